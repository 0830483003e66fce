// The FGTS windows: widgets named after their controls, every edit pushed into the model,
// every event through the model's handler, every widget refreshed from the model afterwards.
#include "gui/fgts/fgts_views.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
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

#include "core/app/ui.hpp"
#include "gui/app/views.hpp"
#include "gui/common/masked_box.hpp"
#include "gui/common/page_focus.hpp"
#include "gui/common/sample_table_label.hpp"
#include "gui/common/text_widgets.hpp"

namespace corvana::gui {

namespace {





}  // namespace

// ---- common ----------------------------------------------------------------------------

void FgtsView::run(const std::function<void()>& handler) {
    if (refreshing_) return;  // a widget set by refresh() is not a user's edit
    app::runCommand(app_.ui(), handler);
    refresh();
}

QPushButton* FgtsView::button(const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLineEdit* FgtsView::moneyBox(const char* name, std::function<void(const std::string&)> onEdit,
                              bool allowComma) {
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setAlignment(Qt::AlignRight);
    box->setProperty("fgtsMoney", true);
    box->setProperty("fgtsComma", allowComma);
    box->installEventFilter(this);
    connect(box, &QLineEdit::textEdited, this, [this, onEdit](const QString& t) {
        if (!refreshing_) run([&] { onEdit(s(t)); });
    });
    return box;
}

QLineEdit* FgtsView::dateBox(const char* name, std::function<void(const std::string&)> onEdit,
                             std::function<void()> onExit) {
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setInputMask("99/99/9999; ");
    typeFromStartWhenEmpty(box);
    connect(box, &QLineEdit::textEdited, this, [this, onEdit](const QString& t) {
        if (!refreshing_) run([&] { onEdit(s(t)); });
    });
    connect(box, &QLineEdit::editingFinished, this, [this, onExit] { run(onExit); });
    return box;
}

void FgtsView::setBox(QLineEdit* box, const std::string& text) {
    if (box->text() == q(text)) return;
    const bool blocked = box->blockSignals(true);
    box->setText(q(text));
    if (box->property("fgtsMoney").toBool()) box->setCursorPosition(box->text().size());
    box->blockSignals(blocked);
}

bool FgtsView::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box != nullptr && box->property("fgtsMoney").toBool() &&
        event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete) {
            // Delete acts as Backspace in a money box.
            QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
            QCoreApplication::sendEvent(box, &back);
            return true;
        }
        const QString t = key->text();
        const bool control = key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Tab ||
                             key->key() == Qt::Key_Backtab || t.isEmpty();
        const bool digit = t.size() == 1 && t[0].isDigit();
        const bool comma = t == "," && box->property("fgtsComma").toBool();
        if (!control && !digit && !comma) return true;  // the key filter drops it
        box->setCursorPosition(box->text().size());
    }
    return QWidget::eventFilter(watched, event);
}

// ---- purges ----------------------------------------------------------------------------

FgtsPurgesView::FgtsPurgesView(app::App& app, fgts::TFormFGTS& model, QWidget* parent)
    : FgtsView(app, parent), m_(model) {
    setObjectName("FormFGTS");
    setWindowTitle(q(m_.caption()));
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    auto* abrir = button("Sabrir", "Abrir");
    auto* backup = button("SpeedButton8", "Abrir Backup");
    auto* novo = button("Novo", "Novo");
    top->addWidget(abrir);
    top->addWidget(backup);
    top->addWidget(novo);
    // The JAM table is loaded before the first page: the label is seen on every page.
    labelExemplo_ = sampleTableLabel(this);
    top->addSpacing(12);
    top->addWidget(labelExemplo_);
    top->addStretch();
    layout->addLayout(top);

    pages_ = new QStackedWidget(this);
    pages_->setObjectName("PageControl1");
    layout->addWidget(pages_, 1);

    // Page 0: header, update date, options, input way.
    {
        auto* p = new QWidget;
        auto* f = new QFormLayout(p);
        Edit1_ = new QPlainTextEdit(p);
        Edit1_->setObjectName("Edit1");
        connect(Edit1_, &QPlainTextEdit::textChanged, this, [this] {
            if (!refreshing_) m_.Edit1 = linesOf(Edit1_->toPlainText());
        });
        f->addRow("Cabeçalho do formulário:", Edit1_);
        Dataini_ = dateBox(
            "Dataini",
            [this](const std::string& t) {
                m_.Dataini = t;
                m_.focused = "Dataini";
            },
            [this] {
                m_.focused.clear();
                m_.DatainiExit();
            });
        f->addRow("Data de atualização", Dataini_);
        Cjuros_ = new QCheckBox("Cálcular juros de mora", p);
        Cjuros_->setObjectName("Cjuros");
        Chonorarios_ = new QCheckBox("Calcular honorários", p);
        Chonorarios_->setObjectName("Chonorarios");
        Ccustas_ = new QCheckBox("Calcular custas", p);
        Ccustas_->setObjectName("Ccustas");
        for (auto [box, field] :
             {std::pair{Cjuros_, &m_.Cjuros}, std::pair{Chonorarios_, &m_.Chonorarios},
              std::pair{Ccustas_, &m_.Ccustas}}) {
            f->addRow(box);
            connect(box, &QCheckBox::toggled, this,
                    [this, field = field](bool on) { run([&] { *field = on; }); });
        }
        Rsaldo_ = new QRadioButton("Lançar o saldo da conta", p);
        Rsaldo_->setObjectName("Rsaldo");
        Rrendimento_ = new QRadioButton("Lançar o rendimento da conta", p);
        Rrendimento_->setObjectName("Rrendimento");
        auto* way = new QButtonGroup(p);
        way->addButton(Rsaldo_);
        way->addButton(Rrendimento_);
        connect(Rsaldo_, &QRadioButton::toggled, this, [this](bool on) {
            run([&] {
                m_.Rsaldo = on;
                m_.Rrendimento = !on;
            });
        });
        f->addRow(Rsaldo_);
        f->addRow(Rrendimento_);
        pages_->addWidget(p);
    }
    // Page 1: default interest.
    {
        auto* p = new QWidget;
        auto* f = new QFormLayout(p);
        Datajuros_ = dateBox(
            "Datajuros",
            [this](const std::string& t) {
                m_.Datajuros = t;
                m_.focused = "Datajuros";
            },
            [this] {
                m_.focused.clear();
                m_.DatajurosExit();
            });
        f->addRow("Data de início  - juros de mora", Datajuros_);
        Txjur_ = moneyBox(
            "Txjur", [this](const std::string& t) { m_.setText(m_.Txjur, t); }, true);
        f->addRow("Taxa de juros moratórios ao ano% \"6 ou 12\"", Txjur_);
        pages_->addWidget(p);
    }
    // Page 2: fees. Page 3: costs.
    {
        auto* p = new QWidget;
        auto* f = new QFormLayout(p);
        hono_ = moneyBox("hono", [this](const std::string& t) { m_.setText(m_.hono, t); });
        f->addRow("Honorários%", hono_);
        pages_->addWidget(p);
        auto* p3 = new QWidget;
        auto* f3 = new QFormLayout(p3);
        cust_ = moneyBox("cust", [this](const std::string& t) { m_.setText(m_.cust, t); });
        f3->addRow("Reembolso de Custas \"Valor\"", cust_);
        pages_->addWidget(p3);
    }
    // Page 4: remuneration rate and the plans.
    {
        auto* p = new QWidget;
        auto* v = new QVBoxLayout(p);
        auto* group = new QGroupBox("Juros Remuneratórios ", p);
        auto* g = new QHBoxLayout(group);
        JR3_ = new QRadioButton("3%", group);
        JR3_->setObjectName("JR3");
        JR6_ = new QRadioButton("6%", group);
        JR6_->setObjectName("JR6");
        g->addWidget(JR3_);
        g->addWidget(JR6_);
        connect(JR6_, &QRadioButton::toggled, this, [this](bool on) {
            run([&] {
                m_.JR6 = on;
                m_.JR3 = !on;
            });
        });
        v->addWidget(group);
        Cverao_ = new QCheckBox("Plano Verão", p);
        Cverao_->setObjectName("Cverao");
        connect(Cverao_, &QCheckBox::toggled, this,
                [this](bool on) { run([&] { m_.Cverao = on; }); });
        v->addWidget(Cverao_);
        JCsaldosLabel_ = new QLabel(p);
        JCsaldosLabel_->setObjectName("LabelJCsaldos");
        v->addWidget(JCsaldosLabel_);
        JCsaldos_ =
            moneyBox("JCsaldos", [this](const std::string& t) { m_.setText(m_.JCsaldos, t); });
        v->addWidget(JCsaldos_);
        Ccollor_ = new QCheckBox("Plano Collor I", p);
        Ccollor_->setObjectName("Ccollor");
        connect(Ccollor_, &QCheckBox::toggled, this,
                [this](bool on) { run([&] { m_.Ccollor = on; }); });
        v->addWidget(Ccollor_);
        JCollorLabel_ = new QLabel(p);
        JCollorLabel_->setObjectName("LabelJCollor");
        v->addWidget(JCollorLabel_);
        JCollor_ = moneyBox("JCollor", [this](const std::string& t) { m_.setText(m_.JCollor, t); });
        v->addWidget(JCollor_);
        v->addStretch();
        pages_->addWidget(p);
    }
    // Page 5: saving and finishing.
    {
        auto* p = new QWidget;
        auto* v = new QVBoxLayout(p);
        auto* save = button("SpeedButton3", "Salvar o cálculo");
        v->addWidget(new QLabel("Clique em \"Finalizar\" para calcular e ver o relatório.", p));
        v->addWidget(save);
        v->addStretch();
        pages_->addWidget(p);
        connect(save, &QPushButton::clicked, this,
                [this] { run([this] { m_.SpeedButton3Click(); }); });
    }

    auto* bottom = new QHBoxLayout;
    Anterior_ = button("Anterior", "&Anterior");
    Proximo_ = button("Proximo", "&Próximo");
    Bfim_ = button("Bfim", "&Finalizar");
    auto* fechar = button("Fechar", "Fe&char");
    bottom->addStretch();
    for (auto* b : {Anterior_, Proximo_, Bfim_, fechar}) bottom->addWidget(b);
    layout->addLayout(bottom);

    connect(abrir, &QPushButton::clicked, this, [this] { run([this] { m_.SabrirClick(); }); });
    connect(backup, &QPushButton::clicked, this,
            [this] { run([this] { m_.SpeedButton8Click(); }); });
    connect(novo, &QPushButton::clicked, this, [this] { run([this] { m_.NovoClick(); }); });
    connect(Anterior_, &QPushButton::clicked, this,
            [this] { run([this] { m_.AnteriorClick(); }); });
    connect(Proximo_, &QPushButton::clicked, this, [this] { run([this] { m_.ProximoClick(); }); });
    connect(Bfim_, &QPushButton::clicked, this, [this] { run([this] { m_.BfimClick(); }); });
    connect(fechar, &QPushButton::clicked, this, [this] { run([this] { m_.FecharClick(); }); });
    resize(560, 420);
    refresh();
}

void FgtsPurgesView::refresh() {
    refreshing_ = true;
    const bool pageChanged = pages_->currentIndex() != m_.page;
    pages_->setCurrentIndex(m_.page);
    if (pageChanged) focusFirstControl(pages_);  // the keyboard starts on the page reached
    labelExemplo_->setVisible(m_.tabelaExemplo);
    setLines(Edit1_, m_.Edit1);
    setBox(Dataini_, m_.Dataini);
    setBox(Datajuros_, m_.Datajuros);
    setBox(Txjur_, m_.Txjur);
    setBox(hono_, m_.hono);
    setBox(cust_, m_.cust);
    setBox(JCsaldos_, m_.JCsaldos);
    setBox(JCollor_, m_.JCollor);
    setCheck(Cjuros_, m_.Cjuros);
    setCheck(Chonorarios_, m_.Chonorarios);
    setCheck(Ccustas_, m_.Ccustas);
    setCheck(Cverao_, m_.Cverao);
    setCheck(Ccollor_, m_.Ccollor);
    setCheck(Rsaldo_, m_.Rsaldo);
    setCheck(Rrendimento_, m_.Rrendimento);
    setCheck(JR3_, m_.JR3);
    setCheck(JR6_, m_.JR6);
    QString l1 = q(m_.JCsaldosLabel), l2 = q(m_.JCollorLabel);
    JCsaldosLabel_->setText(l1.replace('\r', '\n'));
    JCollorLabel_->setText(l2.replace('\r', '\n'));
    Bfim_->setEnabled(m_.finalizarEnabled && m_.page == 5);
    Anterior_->setEnabled(m_.page > 0);
    Proximo_->setEnabled(m_.page < 5);
    if (m_.focused == "Dataini" && isVisible()) Dataini_->setFocus();
    if (m_.focused == "Datajuros" && isVisible()) Datajuros_->setFocus();
    if (isVisible() != m_.visible && !m_.visible) hide();
    refreshing_ = false;
}

void FgtsPurgesView::showEvent(QShowEvent* event) {
    run([this] { m_.shown(); });
    QWidget::showEvent(event);
    if (m_.focused.empty()) focusFirstControl(pages_);  // the first field, not a button
}

void FgtsPurgesView::hideEvent(QHideEvent* event) {
    m_.hidden();
    QWidget::hideEvent(event);
}

// ---- progressive interest --------------------------------------------------------------

ProgressiveInterestView::ProgressiveInterestView(app::App& app, fgts::TForm_FGTS& model,
                                                 QWidget* parent)
    : FgtsView(app, parent), m_(model) {
    setObjectName("Form_FGTS");
    setWindowTitle(q(m_.caption()));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* left = new QFormLayout;
    Memo1_ = new QPlainTextEdit(this);
    Memo1_->setObjectName("Memo1");
    Memo1_->setMaximumHeight(70);
    connect(Memo1_, &QPlainTextEdit::textChanged, this, [this] {
        if (!refreshing_) m_.Memo1 = linesOf(Memo1_->toPlainText());
    });
    left->addRow("Cabeçalho", Memo1_);
    ComboBox1_ = new QComboBox(this);
    ComboBox1_->setObjectName("ComboBox1");
    ComboBox1_->setEditable(true);
    connect(ComboBox1_, &QComboBox::editTextChanged, this, [this](const QString& t) {
        if (!refreshing_) m_.ComboBox1 = s(t);
    });
    left->addRow("Cálcular até:", ComboBox1_);
    Cipc_ = new QCheckBox("Calcular com reflexos dos expurgos do IPC de 01/89 e 04/90", this);
    Cipc_->setObjectName("Cipc89_90");
    connect(Cipc_, &QCheckBox::toggled, this, [this](bool on) { run([&] { m_.Cipc89_90 = on; }); });
    left->addRow(Cipc_);
    labelExemplo_ = sampleTableLabel(this);
    left->addRow(labelExemplo_);
    top->addLayout(left, 1);
    auto* buttons = new QVBoxLayout;
    const std::pair<const char*, const char*> names[] = {
        {"Button1", "Novo"},      {"Button2", "Abrir"},  {"Button3", "Salvar"},
        {"Button4", "&Finalizar"}, {"Button5", "Fe&char"}, {"Button6", "&Repetir"}};
    std::function<void()> handlers[] = {
        [this] { m_.Button1Click(); }, [this] { m_.Button2Click(); },
        [this] { m_.Button3Click(); }, [this] { m_.Button4Click(); },
        [this] { m_.Button5Click(); }, [this] { m_.Button6Click(); }};
    for (int i = 0; i < 6; ++i) {
        auto* b = button(names[i].first, names[i].second);
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, h = handlers[i]] { run(h); });
    }
    top->addLayout(buttons);
    layout->addLayout(top);

    auto* grids = new QHBoxLayout;
    svaloresView_ = new QTableView(this);
    svaloresView_->setObjectName("svalores");
    svalores_ = new GridModel(&m_.svalores, svaloresView_);
    svalores_->setReadOnlyColumns({0});
    svaloresView_->setModel(svalores_);
    svaloresView_->verticalHeader()->hide();
    svaloresView_->setMaximumWidth(230);
    svalores_->setCellEdited([this](int col, int row) {
        const std::string text = m_.svalores.cell(col, row);
        // A refused value does not stay typed: the cell goes back to the value the
        // calculation last used for that month.
        if (!app::runCommand(app_.ui(), [&] { m_.svaloresSetEditText(col, row, text); }))
            m_.svalores.setCell(col, row, m_.sfgts.cell(col, row));
        refresh();
    });
    connect(svaloresView_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& now) {
                if (!refreshing_ && now.isValid())
                    m_.svaloresSelectCell(now.column(), svalores_->gridRow(now.row()));
            });
    sfgtsView_ = new QTableView(this);
    sfgtsView_->setObjectName("sfgts");
    sfgts_ = new GridModel(&m_.sfgts, sfgtsView_);
    QSet<int> all;
    for (int c = 0; c < 12; ++c) all.insert(c);
    sfgts_->setReadOnlyColumns(all);
    sfgtsView_->setModel(sfgts_);
    sfgtsView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sfgtsView_->verticalHeader()->hide();
    grids->addWidget(svaloresView_);
    grids->addWidget(sfgtsView_, 1);
    layout->addLayout(grids, 1);
    resize(1100, 600);
    refresh();
}

void ProgressiveInterestView::refresh() {
    refreshing_ = true;
    setLines(Memo1_, m_.Memo1);
    if (ComboBox1_->currentText() != q(m_.ComboBox1)) ComboBox1_->setEditText(q(m_.ComboBox1));
    setCheck(Cipc_, m_.Cipc89_90);
    labelExemplo_->setVisible(m_.tabelaExemplo);
    sfgts_->refresh();
    svalores_->refresh();
    const int row = m_.currentRow - m_.sfgts.fixedRows();
    if (row >= 0 && row < sfgts_->rowCount()) sfgtsView_->selectRow(row);
    const int vrow = m_.selRow - m_.svalores.fixedRows();
    if (vrow >= 0 && vrow < svalores_->rowCount())
        svaloresView_->setCurrentIndex(svalores_->index(vrow, 1));
    if (isVisible() != m_.visible && !m_.visible) hide();
    refreshing_ = false;
}

void ProgressiveInterestView::showEvent(QShowEvent* event) {
    m_.shown();
    QWidget::showEvent(event);
}

void ProgressiveInterestView::hideEvent(QHideEvent* event) {
    m_.hidden();
    QWidget::hideEvent(event);
}

void registerFgtsViews(ViewRegistry& views) {
    views.add("TFormFGTS", [](app::App& app, app::WindowModel& m, QWidget* parent) -> QWidget* {
        return new FgtsPurgesView(app, static_cast<fgts::TFormFGTS&>(m), parent);
    });
    views.add("TForm_FGTS", [](app::App& app, app::WindowModel& m, QWidget* parent) -> QWidget* {
        return new ProgressiveInterestView(app, static_cast<fgts::TForm_FGTS&>(m), parent);
    });
}

}  // namespace corvana::gui
