// The import window and the installed-tables window over their models.
#include "gui/tables/tables_views.hpp"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/app/views.hpp"
#include "gui/common/grid_model.hpp"
#include "gui/common/text_widgets.hpp"
#include "pdf/pdf_words.hpp"

namespace corvana::gui {

namespace {
}  // namespace

ImportarSerieView::ImportarSerieView(app::App& app, tables::TFormImportarSerie& model,
                                     QWidget* parent)
    : QWidget(parent), app_(app), m_(model) {
    setObjectName(tables::TFormImportarSerie::kClassName);
    setWindowTitle(q(m_.caption()));
    resize(820, 560);
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        "Escolha a série oficial e clique em \"Importar…\" para escolher o arquivo exportado da "
        "sua fonte (CSV ou JSON do SGS do Banco Central, o CSV mm/aaaa;valor de data/oficial ou, "
        "para tjsp, o PDF da Tabela Prática). As tabelas que derivam da série são refeitas de uma "
        "vez; um arquivo recusado não altera nada.",
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    series_ = new QListWidget(this);
    series_->setObjectName("ListaSeries");
    for (const auto& line : m_.ListaSeries) series_->addItem(q(line));
    // Every series in view at once.
    series_->setMinimumHeight(series_->sizeHintForRow(0) * series_->count() +
                              2 * series_->frameWidth() + 20);
    layout->addWidget(series_, 2);
    connect(series_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (series_->signalsBlocked()) return;
        run([this, row] { m_.ListaSeriesClick(row); });
    });

    auto* buttons = new QHBoxLayout;
    auto* importar = new QPushButton("Importar…", this);
    importar->setObjectName("BotaoImportar");
    connect(importar, &QPushButton::clicked, this,
            [this] { run([this] { m_.BotaoImportarClick(); }); });
    auto* fechar = new QPushButton("Fechar", this);
    fechar->setObjectName("BotaoFechar");
    connect(fechar, &QPushButton::clicked, this,
            [this] { run([this] { m_.BotaoFecharClick(); }); });
    buttons->addWidget(importar);
    buttons->addStretch(1);
    buttons->addWidget(fechar);
    layout->addLayout(buttons);

    progress_ = new QProgressBar(this);
    progress_->setObjectName("ProgressoImportacao");
    progress_->setRange(0, 100);
    layout->addWidget(progress_);
    step_ = new QLabel(this);
    step_->setObjectName("Etapa");
    layout->addWidget(step_);
    result_ = new QLabel(this);
    result_->setObjectName("Resultado");
    result_->setWordWrap(true);
    layout->addWidget(result_);
    layout->addWidget(new QLabel("Valores alterados:", this));
    changes_ = new QListWidget(this);
    changes_->setObjectName("ListaAlteracoes");
    layout->addWidget(changes_, 3);

    m_.pdfWords = pdf::readWords;
    m_.progressChanged = [this] {
        progress_->setValue(m_.progresso);
        step_->setText(q(m_.etapa));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
}

void ImportarSerieView::run(const std::function<void()>& handler) {
    app::runCommand(app_.ui(), handler);
    refresh();
}

void ImportarSerieView::showEvent(QShowEvent* event) {
    refresh();
    QWidget::showEvent(event);
}

void ImportarSerieView::refresh() {
    setWindowTitle(q(m_.caption()));
    series_->blockSignals(true);
    series_->setCurrentRow(m_.serie);
    series_->blockSignals(false);
    progress_->setValue(m_.progresso);
    step_->setText(q(m_.etapa));
    result_->setText(q(m_.resultado));
    changes_->clear();
    for (const auto& c : m_.alteracoes) changes_->addItem(q(c));
}

TabelasView::TabelasView(app::App& app, tables::TFormTabelas& model, QWidget* parent)
    : QWidget(parent), app_(app), m_(model) {
    setObjectName(tables::TFormTabelas::kClassName);
    setWindowTitle(q(m_.caption()));
    resize(1100, 520);
    auto* layout = new QVBoxLayout(this);
    label1_ = new QLabel(this);
    label1_->setObjectName("Label1");
    label1_->setWordWrap(true);
    layout->addWidget(label1_);
    grid_ = new QTableView(this);
    grid_->setObjectName("fontes");
    gridModel_ = new GridModel(&m_.fontes, grid_);
    gridModel_->setReadOnlyColumns({0, 1, 2, 3, 4, 5});
    grid_->setModel(gridModel_);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(grid_, 1);
    auto* fechar = new QPushButton("Fechar", this);
    fechar->setObjectName("BotaoFechar");
    connect(fechar, &QPushButton::clicked, this,
            [this] { app::runCommand(app_.ui(), [this] { m_.BotaoFecharClick(); }); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(fechar);
    layout->addLayout(buttons);
}

void TabelasView::showEvent(QShowEvent* event) {
    refresh();
    QWidget::showEvent(event);
}

void TabelasView::refresh() {
    label1_->setText(q(m_.Label1));
    gridModel_->refresh();
    grid_->resizeColumnsToContents();
    // Long names, descriptions and sources are cut so that "Exemplo" stays in view.
    const int widest[] = {300, 240, 240};
    for (int c = 0; c < 3; ++c)
        if (grid_->columnWidth(c) > widest[c]) grid_->setColumnWidth(c, widest[c]);
}

void registerTablesViews(ViewRegistry& views) {
    views.add(tables::TFormImportarSerie::kClassName,
              [](app::App& app, app::WindowModel& m, QWidget* parent) -> QWidget* {
                  return new ImportarSerieView(app, static_cast<tables::TFormImportarSerie&>(m),
                                               parent);
              });
    views.add(tables::TFormTabelas::kClassName,
              [](app::App& app, app::WindowModel& m, QWidget* parent) -> QWidget* {
                  return new TabelasView(app, static_cast<tables::TFormTabelas&>(m), parent);
              });
}

}  // namespace corvana::gui
