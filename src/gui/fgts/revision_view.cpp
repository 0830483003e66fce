// The FGTS revision window: widgets named after their controls, every edit pushed into the
// model, every event through the model's handler, every widget refreshed afterwards.
#include "gui/fgts/revision_view.hpp"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/app/views.hpp"
#include "gui/common/page_focus.hpp"
#include "gui/common/sample_table_label.hpp"
#include "gui/common/text_widgets.hpp"

namespace corvana::gui {

namespace {



QCheckBox* check(const char* name, const QString& caption, QWidget* parent) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    return c;
}

QLineEdit* edit(const char* name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    return e;
}




}  // namespace

RevisionView::RevisionView(app::App& app, fgts::TFFGTSdif& model, QWidget* parent)
    : SavingsView(app, parent), m_(model) {
    setObjectName(q(model.className()));
    setWindowTitle(q(model.caption()));
    resize(1240, 680);
    auto* layout = new QVBoxLayout(this);
    pages_ = new QStackedWidget(this);
    pages_->setObjectName("PageControl1");
    pages_->addWidget(buildOptionsPage());
    pages_->addWidget(buildGridsPage());
    auto* hidden = new QWidget(this);  // the totals grid St, never shown
    hidden->setObjectName("TabSheet3");
    pages_->addWidget(hidden);
    layout->addWidget(pages_, 1);

    auto* bar = new QHBoxLayout;
    auto* abrir = button("SpeedButton5", "Abrir", this);
    abrir->setToolTip("Abrir o Cálculo");
    auto* backup = button("SpeedButton18", "Abrir Backup", this);
    backup->setToolTip("Abrir o último cálculo realizado.");
    auto* salvar = button("SpeedButton8", "Salvar", this);
    anterior_ = button("SpeedButton1", "&Anterior", this);
    proximo_ = button("SpeedButton2", "&Próximo", this);
    finalizar_ = button("SpeedButton3", "&Finalizar", this);
    auto* fechar = button("SpeedButton4", "Fe&char", this);
    for (auto* b : {abrir, backup, salvar}) bar->addWidget(b);
    bar->addStretch(1);
    for (auto* b : {anterior_, proximo_, finalizar_, fechar}) bar->addWidget(b);
    layout->addLayout(bar);
    connect(abrir, &QPushButton::clicked, this, [this] { run([this] { m_.AbrirClick(); }); });
    connect(backup, &QPushButton::clicked, this,
            [this] { run([this] { m_.AbrirBackupClick(); }); });
    connect(salvar, &QPushButton::clicked, this, [this] { run([this] { m_.SalvarClick(); }); });
    connect(anterior_, &QPushButton::clicked, this,
            [this] { run([this] { m_.SpeedButton1Click(); }); });
    connect(proximo_, &QPushButton::clicked, this,
            [this] { run([this] { m_.SpeedButton2Click(); }); });
    connect(finalizar_, &QPushButton::clicked, this, [this] {
        // A cell editor still open hands its text over first (the active control is cleared).
        setFocus();
        run([this] { m_.SpeedButton3Click(); });
    });
    connect(fechar, &QPushButton::clicked, this,
            [this] { run([this] { m_.SpeedButton4Click(); }); });
    refresh();
}

RevisionView::~RevisionView() {
    if (svalores_ != nullptr) svalores_->setCellEdited({});
    for (QLineEdit* e : {dtacitacao_, eq_, ehono_})
        if (e != nullptr) e->removeEventFilter(this);
}

QWidget* RevisionView::buildOptionsPage() {
    auto* page = new QWidget(this);
    page->setObjectName("TabSheet1");
    auto* grid = new QGridLayout(page);

    auto* head = new QGroupBox("Cabeçalho", page);
    auto* hl = new QHBoxLayout(head);
    memo1_ = new QPlainTextEdit(head);
    memo1_->setObjectName("Memo1");
    connect(memo1_, &QPlainTextEdit::textChanged, this, [this] {
        if (refreshing_) return;
        m_.Memo1.clear();
        const QString text = memo1_->toPlainText();
        if (!text.isEmpty())
            for (const QString& l : text.split('\n')) m_.Memo1.push_back(s(l));
    });
    auto* help0 = button("Button2", "?", head);
    connect(help0, &QPushButton::clicked, this, [this] { run([this] { m_.HelpClick(0); }); });
    hl->addWidget(memo1_, 1);
    hl->addWidget(help0, 0, Qt::AlignTop);
    grid->addWidget(head, 0, 0, 1, 2);

    auto* novos = new QHBoxLayout;
    auto* inpc = button("Button1", "Novo INPC", page);
    auto* ipca = button("Button7", "Novo IPCA-E", page);
    connect(inpc, &QPushButton::clicked, this, [this] { run([this] { m_.Button1Click(); }); });
    connect(ipca, &QPushButton::clicked, this, [this] { run([this] { m_.Button7Click(); }); });
    label7_ = new QLabel(page);
    label7_->setObjectName("Label7");
    novos->addWidget(inpc);
    novos->addWidget(ipca);
    labelExemplo_ = sampleTableLabel(page);
    novos->addWidget(label7_);
    novos->addWidget(labelExemplo_);
    novos->addStretch(1);
    grid->addLayout(novos, 1, 0, 1, 2);

    auto* juros = new QGroupBox("Juros Moratórios (opcional) ", page);
    auto* jl = new QGridLayout(juros);
    caplijur_ = check("Caplijur", "Aplicar juros moratórios", juros);
    dtacitacao_ = edit("dtacitacao", juros);
    dtacitacao_->setMaxLength(10);
    dtacitacao_->installEventFilter(this);
    eq_ = edit("Eq", juros);
    eq_->installEventFilter(this);
    jurmen_ = check("Jurmen", "Juros mês a mês", juros);
    c2002_ = check("C2002", "0,5% antes de 10/01/2002 e 1% após", juros);
    auto* help1 = button("Button3", "?", juros);
    jl->addWidget(caplijur_, 0, 0, 1, 2);
    jl->addWidget(new QLabel("Data da Citação", juros), 1, 0);
    jl->addWidget(dtacitacao_, 1, 1);
    jl->addWidget(new QLabel("Juros ao mês:", juros), 2, 0);
    jl->addWidget(eq_, 2, 1);
    jl->addWidget(jurmen_, 3, 0, 1, 2);
    jl->addWidget(c2002_, 4, 0, 1, 2);
    jl->addWidget(help1, 0, 2);
    connect(caplijur_, &QCheckBox::toggled, this, [this](bool on) {
        if (!refreshing_) m_.Caplijur = on;
    });
    connect(jurmen_, &QCheckBox::clicked, this,
            [this](bool on) { run([this, on] { m_.JurmenClick(on); }); });
    connect(c2002_, &QCheckBox::clicked, this,
            [this](bool on) { run([this, on] { m_.C2002Click(on); }); });
    connect(eq_, &QLineEdit::textEdited, this,
            [this](const QString& t) { run([this, t] { m_.EqChange(s(t)); }); });
    connect(dtacitacao_, &QLineEdit::textEdited, this,
            [this](const QString& t) { m_.dtacitacao = s(t); });
    connect(help1, &QPushButton::clicked, this, [this] { run([this] { m_.HelpClick(1); }); });
    grid->addWidget(juros, 2, 0);

    auto* right = new QVBoxLayout;
    auto* hono = new QGroupBox("Honorários (opcional) ", page);
    auto* hol = new QGridLayout(hono);
    chono_ = check("Chono", "Aplicar honorários", hono);
    ehono_ = edit("Ehono", hono);
    ehono_->installEventFilter(this);
    hol->addWidget(chono_, 0, 0, 1, 2);
    hol->addWidget(new QLabel("Porcentagem dos Honorários", hono), 1, 0);
    hol->addWidget(ehono_, 1, 1);
    connect(chono_, &QCheckBox::toggled, this, [this](bool on) {
        if (!refreshing_) m_.Chono = on;
    });
    connect(ehono_, &QLineEdit::textEdited, this, [this](const QString& t) { m_.Ehono = s(t); });
    right->addWidget(hono);

    start_ = new QGroupBox("Cálculo desde: ", page);
    auto* sl = new QVBoxLayout(start_);
    rjan_ = new QRadioButton("Janeiro de 1999", start_);
    rjan_->setObjectName("RJan");
    rfev_ = new QRadioButton("Fevereiro de 1991", start_);
    rfev_->setObjectName("Rfev");
    auto* startGroup = new QButtonGroup(start_);
    startGroup->addButton(rjan_);
    startGroup->addButton(rfev_);
    sl->addWidget(rjan_);
    sl->addWidget(rfev_);
    connect(rjan_, &QRadioButton::clicked, this, [this] {
        m_.RJan = true;
        m_.Rfev = false;
    });
    connect(rfev_, &QRadioButton::clicked, this, [this] {
        m_.RJan = false;
        m_.Rfev = true;
    });
    right->addWidget(start_);
    auto* backup = button("Button10", "Criar Backup", page);
    connect(backup, &QPushButton::clicked, this, [this] { run([this] { m_.Button10Click(); }); });
    right->addWidget(backup);
    right->addStretch(1);
    grid->addLayout(right, 2, 1);
    grid->setRowStretch(0, 1);
    return page;
}

QWidget* RevisionView::buildGridsPage() {
    auto* page = new QWidget(this);
    page->setObjectName("TabSheet2");
    auto* layout = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    label8_ = new QLabel(page);
    label8_->setObjectName("Label8");
    labelExemplo8_ = sampleTableLabel(page, "LabelExemplo8");
    ctaxa_ = new QComboBox(page);
    ctaxa_->setObjectName("Ctaxa");
    ctaxa_->addItems({"3%", "4%", "5%", "6%"});
    combo1_ = new QComboBox(page);
    combo1_->setObjectName("ComboBox1");
    combo1_->setEditable(true);
    combo2_ = new QComboBox(page);
    combo2_->setObjectName("ComboBox2");
    combo2_->setEditable(true);
    for (auto* box : {combo1_, combo2_}) box->setMinimumContentsLength(10);
    auto* help3 = button("Button4", "?", page);
    top->addWidget(label8_);
    top->addWidget(labelExemplo8_);
    top->addSpacing(12);
    top->addWidget(new QLabel("Taxa:", page));
    top->addWidget(ctaxa_);
    top->addWidget(new QLabel("Data inicial do cálculo:", page));
    top->addWidget(combo2_);
    top->addWidget(new QLabel("Data final do cálculo:", page));
    top->addWidget(combo1_);
    top->addWidget(help3);
    top->addStretch(1);
    layout->addLayout(top);
    connect(ctaxa_, &QComboBox::activated, this, [this](int i) {
        const std::string t = s(ctaxa_->itemText(i));
        run([this, t] { m_.CtaxaChange(t); });
    });
    connect(combo1_, &QComboBox::currentTextChanged, this, [this](const QString& t) {
        if (!refreshing_) m_.ComboBox1 = s(t);
    });
    connect(combo2_, &QComboBox::currentTextChanged, this, [this](const QString& t) {
        if (!refreshing_) m_.ComboBox2 = s(t);
    });
    connect(help3, &QPushButton::clicked, this, [this] { run([this] { m_.HelpClick(3); }); });

    auto* grids = new QHBoxLayout;
    svaloresView_ = table(&m_.svalores, "svalores", {0, 1}, {}, &svalores_);
    svaloresView_->horizontalHeader()->setDefaultSectionSize(86);
    svaloresView_->horizontalHeader()->setStretchLastSection(false);
    svaloresView_->setMinimumWidth(420);
    svalores_->setCellEdited([this](int col, int row) {
        const std::string text = m_.svalores.cell(col, row);
        run([this, col, row, text] { m_.svaloresSetEditText(col, row, text); });
    });
    sfgtsView_ = table(&m_.sfgts, "sfgts", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
                       {}, &sfgts_);
    sfgtsView_->horizontalHeader()->setDefaultSectionSize(96);
    grids->addWidget(svaloresView_);
    grids->addWidget(sfgtsView_, 1);
    layout->addLayout(grids, 1);
    connect(svaloresView_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& now) {
                if (refreshing_ || !now.isValid()) return;
                m_.svaloresRow = svalores_->gridRow(now.row());
            });

    auto* buttons = new QHBoxLayout;
    auto* repetir = button("Button5", "Repetir", page);
    auto* diario = button("Button9", "Lançar valores diariamente", page);
    auto* help2 = button("Button8", "?", page);
    buttons->addWidget(repetir);
    buttons->addWidget(diario);
    buttons->addWidget(help2);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(repetir, &QPushButton::clicked, this, [this] { run([this] { m_.RepetirClick(); }); });
    connect(diario, &QPushButton::clicked, this, [this] { run([this] { m_.DiarioClick(); }); });
    connect(help2, &QPushButton::clicked, this, [this] { run([this] { m_.HelpClick(2); }); });
    return page;
}

bool RevisionView::eventFilter(QObject* watched, QEvent* event) {
    // Money and percentage boxes take digits, Backspace and Tab only; Delete acts as Backspace
    // and the caret stays at the end.
    if ((watched == eq_ || watched == ehono_) && event->type() == QEvent::KeyPress) {
        auto* box = static_cast<QLineEdit*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete) {
            QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
            box->end(false);
            QApplication::sendEvent(box, &backspace);
            return true;
        }
        const QString text = key->text();
        if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Tab ||
            key->key() == Qt::Key_Backtab) {
            box->end(false);
            return false;
        }
        if (!text.isEmpty() && text.at(0).isPrint()) {
            if (!text.at(0).isDigit()) return true;
            box->end(false);
        }
    }
    if (watched == dtacitacao_) {
        if (event->type() == QEvent::FocusIn) run([this] { m_.dtacitacaoEnter(); });
        if (event->type() == QEvent::FocusOut) run([this] { m_.dtacitacaoExit(); });
    }
    return SavingsView::eventFilter(watched, event);
}

void RevisionView::refresh() {
    refreshing_ = true;
    const bool pageChanged = pages_->currentIndex() != m_.page;
    pages_->setCurrentIndex(m_.page);
    if (pageChanged) focusFirstControl(pages_);  // the keyboard starts on the page reached
    label7_->setText(q(m_.Label7));
    label8_->setText(q(m_.Label7));
    labelExemplo_->setVisible(m_.tabelaExemplo);
    labelExemplo8_->setVisible(m_.tabelaExemplo);
    QStringList lines;
    for (const auto& l : m_.Memo1) lines << q(l);
    if (memo1_->toPlainText() != lines.join('\n')) memo1_->setPlainText(lines.join('\n'));
    caplijur_->setChecked(m_.Caplijur);
    jurmen_->setChecked(m_.Jurmen);
    c2002_->setChecked(m_.C2002);
    chono_->setChecked(m_.Chono);
    setText(dtacitacao_, m_.dtacitacao);
    setText(eq_, m_.Eq);
    setText(ehono_, m_.Ehono);
    start_->setVisible(m_.startChoiceShown());
    rjan_->setChecked(m_.RJan);
    rfev_->setChecked(m_.Rfev);
    ctaxa_->setCurrentText(q(m_.Ctaxa));
    setItems(combo1_, m_.ComboBox1Items);
    setItems(combo2_, m_.ComboBox2Items);
    setText(combo1_, m_.ComboBox1);
    setText(combo2_, m_.ComboBox2);
    anterior_->setEnabled(m_.anteriorEnabled);
    proximo_->setEnabled(m_.proximoEnabled);
    finalizar_->setEnabled(m_.finalizarEnabled);
    svalores_->refresh();
    sfgts_->refresh();
    const int r = m_.sfgtsRow - 1;
    if (r >= 0 && r < sfgts_->rowCount()) {
        const QModelIndex at = sfgts_->index(r, 0);
        if (sfgtsView_->currentIndex().row() != r) {
            sfgtsView_->setCurrentIndex(at);
            sfgtsView_->scrollTo(at);
        }
    }
    const int vr = m_.svaloresRow - 1;
    if (vr >= 0 && vr < svalores_->rowCount() && svaloresView_->currentIndex().row() != vr) {
        const int col = std::max(2, svaloresView_->currentIndex().column());
        svaloresView_->setCurrentIndex(svalores_->index(vr, col));
    }
    refreshing_ = false;
}

void RevisionView::showEvent(QShowEvent* event) {
    m_.visible = true;
    refresh();
    SavingsView::showEvent(event);
    focusFirstControl(pages_);  // the keyboard starts on the first field, not on a button
}

void RevisionView::hideEvent(QHideEvent* event) {
    m_.visible = false;
    SavingsView::hideEvent(event);
}

void registerRevisionViews(ViewRegistry& views) {
    views.add(fgts::TFFGTSdif::kClassName,
              [](app::App& app, app::WindowModel& m, QWidget* parent) -> QWidget* {
                  return new RevisionView(app, static_cast<fgts::TFFGTSdif&>(m), parent);
              });
}

}  // namespace corvana::gui
