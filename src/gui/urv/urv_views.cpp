// The URV windows: widgets named after their controls, every edit pushed into the model, every
// event through the model's handler, every widget refreshed from the model afterwards.
#include "gui/urv/urv_views.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "core/app/ui.hpp"
#include "core/toolkit/numbers.hpp"
#include "gui/app/views.hpp"
#include "gui/common/page_focus.hpp"
#include "gui/common/sample_table_label.hpp"
#include "gui/common/text_widgets.hpp"

namespace corvana::gui {

namespace {



QTableView* gridView(toolkit::StringGrid* grid, const QString& name, bool readOnly,
                     GridModel** model, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    auto* gm = new GridModel(grid, view);
    if (readOnly) {
        QSet<int> all;
        for (int c = 0; c < 8; ++c) all.insert(c);
        gm->setReadOnlyColumns(all);
    }
    view->setModel(gm);
    auto* header = view->horizontalHeader();
    header->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter) | Qt::Alignment(Qt::TextWordWrap));
    header->setMinimumHeight(40);
    header->setDefaultSectionSize(grid->colCount() > 3 ? 100 : 130);
    header->setStretchLastSection(true);
    // The few columns of a typing grid share its width, so the month never scrolls away.
    if (grid->colCount() <= 3) header->setSectionResizeMode(QHeaderView::Stretch);
    view->verticalHeader()->setDefaultSectionSize(22);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(
        readOnly ? QAbstractItemView::NoEditTriggers
                 : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                       QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    *model = gm;
    return view;
}




void showIndex(QComboBox* box, const std::string& text) {
    const int i = box->findText(q(text));
    if (box->currentIndex() != i) box->setCurrentIndex(i);
}

}  // namespace

// ---- common --------------------------------------------------------------------------------

UrvWindow::UrvWindow(app::App& app, QWidget* parent) : QWidget(parent), app_(app) {
    all().push_back(this);
}

UrvWindow::~UrvWindow() {
    std::erase(all(), this);
}

std::vector<UrvWindow*>& UrvWindow::all() {
    static std::vector<UrvWindow*> views;
    return views;
}

void UrvWindow::run(const std::function<void()>& handler) {
    app::runCommand(app_.ui(), handler);
    for (auto* v : all()) v->refresh();
}

// ---- the wizard ----------------------------------------------------------------------------

UrvWizardView::UrvWizardView(app::App& app, urv::TFurv& model, QWidget* parent)
    : UrvWindow(app, parent), m_(model) {
    setObjectName(urv::TFurv::kClassName);
    setWindowTitle(q(model.caption()));
    resize(900, 620);
    auto* layout = new QVBoxLayout(this);
    pages_ = new QStackedWidget(this);
    pages_->setObjectName("PageControl1");
    pages_->addWidget(buildPage0());
    pages_->addWidget(buildPage1());
    pages_->addWidget(buildPage2());
    pages_->addWidget(buildPage3());
    pages_->addWidget(buildPage4());
    layout->addWidget(pages_, 1);

    auto* bar = new QHBoxLayout;
    auto* abrir = button("BAbrir", "Abrir", this);
    abrir->setToolTip("Abrir um cálculo salvo (.urv)");
    auto* backup = button("BAbrirBackup", "Abrir Backup", this);
    backup->setToolTip("Abrir o último cálculo realizado.");
    auto* salvar = button("BSalvar", "Salvar", this);
    anterior_ = button("SpeedButton1", "&Anterior", this);
    proximo_ = button("SpeedButton2", "&Próximo", this);
    finalizar_ = button("SpeedButton3", "&Finalizar", this);
    auto* fechar = button("SpeedButton4", "Fe&char", this);
    for (auto* b : {abrir, backup, salvar}) bar->addWidget(b);
    // The tables are loaded before the first page: the label is seen on every page.
    labelExemplo_ = sampleTableLabel(this);
    bar->addSpacing(12);
    bar->addWidget(labelExemplo_);
    bar->addStretch(1);
    for (auto* b : {anterior_, proximo_, finalizar_, fechar}) bar->addWidget(b);
    layout->addLayout(bar);
    connect(abrir, &QPushButton::clicked, this, [this] {
        takeFocusOff();
        run([this] { m_.Abrir(); });
    });
    connect(backup, &QPushButton::clicked, this, [this] {
        takeFocusOff();
        run([this] { m_.AbrirBackup(); });
    });
    connect(salvar, &QPushButton::clicked, this, [this] {
        takeFocusOff();
        run([this] { m_.Salvar(); });
    });
    connect(anterior_, &QPushButton::clicked, this, [this] {
        takeFocusOff();
        run([this] { m_.SpeedButton1Click(); });
    });
    connect(proximo_, &QPushButton::clicked, this, [this] {
        takeFocusOff();
        run([this] { m_.SpeedButton2Click(); });
    });
    connect(finalizar_, &QPushButton::clicked, this, [this] {
        takeFocusOff();
        run([this] { m_.SpeedButton3Click(); });
    });
    connect(fechar, &QPushButton::clicked, this,
            [this] { run([this] { m_.SpeedButton4Click(); }); });
    refresh();
}

UrvWizardView::~UrvWizardView() {
    // An editor still open commits while the grids go: it must not call back into this window.
    if (svalores_ != nullptr) svalores_->setCellEdited({});
    for (auto& [w, name] : moneyBoxes_) w->removeEventFilter(this);
    for (auto& [w, name] : dateBoxes_) w->removeEventFilter(this);
}

QLineEdit* UrvWizardView::edit(const char* name, bool readOnly) {
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    e->setReadOnly(readOnly);
    edits_[name] = e;
    return e;
}

QLineEdit* UrvWizardView::moneyBox(const char* name) {
    auto* e = edit(name);
    e->setAlignment(Qt::AlignRight);
    e->installEventFilter(this);
    moneyBoxes_[e] = name;
    return e;
}

QLineEdit* UrvWizardView::dateBox(const char* name) {
    auto* e = edit(name);
    e->setMaxLength(10);
    e->setPlaceholderText("dd/mm/aaaa");
    e->installEventFilter(this);
    dateBoxes_[e] = name;
    const std::string box = name;
    connect(e, &QLineEdit::textEdited, this, [this, box](const QString& t) {
        if (std::string* field = m_.field(box)) *field = s(t);
    });
    return e;
}

void UrvWizardView::takeFocusOff() {
    if (QWidget* w = QApplication::focusWidget(); w != nullptr && isAncestorOf(w)) w->clearFocus();
}

bool UrvWizardView::eventFilter(QObject* watched, QEvent* event) {
    if (const auto it = dateBoxes_.find(watched); it != dateBoxes_.end() && !refreshing_) {
        const std::string name = it->second;
        if (event->type() == QEvent::FocusIn) {
            run([this, name] { m_.dateEntered(name); });
            // The box has the focus now, so the refresh left it alone: show the cleared text.
            if (const std::string* field = m_.field(name))
                setText(static_cast<QLineEdit*>(watched), *field);
        }
        if (event->type() == QEvent::FocusOut) {
            if (std::string* field = m_.field(name))
                *field = s(static_cast<QLineEdit*>(watched)->text());
            run([this, name] { m_.dateLeft(name); });
        }
        return false;
    }
    const auto it = moneyBoxes_.find(watched);
    if (it == moneyBoxes_.end() || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    auto* box = static_cast<QLineEdit*>(watched);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) return false;
    const std::string name = it->second;
    std::string text = s(box->text());
    const bool formatted = name != "Ehono";
    if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete) {
        if (!text.empty()) text.pop_back();
    } else if (key->text().size() == 1 && key->text()[0].isDigit()) {
        text += s(key->text());
    } else {
        return true;  // only digits, Backspace and Tab get through
    }
    run([this, name, text, formatted] {
        if (formatted)
            m_.moneyChanged(name, text);
        else if (std::string* field = m_.field(name))
            *field = text;
    });
    box->setCursorPosition(box->text().size());
    return true;
}

QWidget* UrvWizardView::buildPage0() {
    auto* page = new QWidget(this);
    page->setObjectName("TabSheet1");
    auto* v = new QVBoxLayout(page);
    v->addWidget(new QLabel("Cabeçalho", page));
    memo1_ = new QPlainTextEdit(page);
    memo1_->setObjectName("Memo1");
    memo1_->setMaximumHeight(80);
    memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(memo1_, &QPlainTextEdit::textChanged, this, [this] {
        if (!refreshing_) m_.Memo1 = linesOf(memo1_->toPlainText());
    });
    v->addWidget(memo1_);
    auto* arts = new QGridLayout;
    r19_ = new QRadioButton("Cálculo segundo disposto no art. 19", page);
    r19_->setObjectName("R19");
    r22_ = new QRadioButton("Cálculo segundo disposto no art. 22", page);
    r22_->setObjectName("R22");
    auto* q19 = button("Button19", "?", page);
    auto* q22 = button("Button22", "?", page);
    q19->setMaximumWidth(30);
    q22->setMaximumWidth(30);
    arts->addWidget(r19_, 0, 0);
    arts->addWidget(q19, 0, 1);
    arts->addWidget(r22_, 1, 0);
    arts->addWidget(q22, 1, 1);
    c22dtpag_ = new QCheckBox("Usar URV do dia do pagamento no art. 22", page);
    c22dtpag_->setObjectName("C22dtpag");
    arts->addWidget(c22dtpag_, 2, 0);
    arts->setColumnStretch(2, 1);
    v->addLayout(arts);
    connect(r19_, &QRadioButton::toggled, this, [this](bool on) {
        if (refreshing_) return;
        m_.R19 = on;
        if (on) m_.R22 = false;
    });
    connect(r22_, &QRadioButton::toggled, this, [this](bool on) {
        if (refreshing_) return;
        m_.R22 = on;
        if (on) m_.R19 = false;
    });
    connect(c22dtpag_, &QCheckBox::clicked, this, [this](bool on) { m_.C22dtpag = on; });
    connect(q19, &QPushButton::clicked, this, [this] { run([this] { m_.Button19Click(); }); });
    connect(q22, &QPushButton::clicked, this, [this] { run([this] { m_.Button22Click(); }); });

    auto* row = new QHBoxLayout;
    auto* dates = new QGroupBox("Data a ser usada na conversão dos salários: ", page);
    auto* df = new QFormLayout(dates);
    auto* values = new QGroupBox("Valor dos salários pagos em Cruzeiros  Reais: ", page);
    auto* vf = new QFormLayout(values);
    const char* months[] = {"11/1993", "12/1993", "01/1994", "02/1994"};
    const char* dateNames[] = {"Enov93", "Edez93", "Ejan94", "Efev94"};
    const char* moneyNames[] = {"Enov", "Edez", "Ejan", "Efev"};
    for (int i = 0; i < 4; ++i) {
        df->addRow(months[i], dateBox(dateNames[i]));
        vf->addRow(months[i], moneyBox(moneyNames[i]));
    }
    row->addWidget(dates);
    row->addWidget(values);
    v->addLayout(row);
    auto* march = new QGroupBox("Salário de 03/94 pago em URV: ", page);
    auto* mf = new QHBoxLayout(march);
    mf->addWidget(moneyBox("Esalpago"));
    mf->addStretch(1);
    v->addWidget(march);
    v->addStretch(1);
    return page;
}

QWidget* UrvWizardView::buildPage1() {
    auto* page = new QWidget(this);
    page->setObjectName("TabSheet2");
    auto* v = new QVBoxLayout(page);
    cescolher_ = new QCheckBox("Desejo escolher a URV para conversão em 07/1994", page);
    cescolher_->setObjectName("CEscolher");
    v->addWidget(cescolher_);
    connect(cescolher_, &QCheckBox::clicked, this, [this](bool on) {
        m_.CEscolher = on;
        run([this] { m_.CEscolherClick(); });
    });
    QStringList dates, values;
    for (const auto& d : urv::juneDates()) dates << q(d);
    for (const auto& x : urv::juneValues()) values << q(x);
    auto pair = [&](const char* caption, const char* dateName, const char* valueName, QComboBox** d,
                    QComboBox** u, bool correct) {
        auto* g = new QGroupBox(caption, page);
        auto* f = new QFormLayout(g);
        *d = new QComboBox(g);
        (*d)->setObjectName(dateName);
        (*d)->addItems(dates);
        *u = new QComboBox(g);
        (*u)->setObjectName(valueName);
        (*u)->addItems(values);
        f->addRow("Data", *d);
        f->addRow("URV", *u);
        connect(*d, &QComboBox::activated, this, [this, correct](int i) {
            run([this, i, correct] { correct ? m_.CombourvxClick(i) : m_.CombourvClick(i); });
        });
        connect(*u, &QComboBox::activated, this, [this, correct](int i) {
            run([this, i, correct] { correct ? m_.CurvxClick(i) : m_.CurvClick(i); });
        });
        v->addWidget(g);
    };
    pair("URV aplicada na época:", "Combourv", "Curv", &combourv_, &curv_, false);
    pair("URV correta:", "Combourvx", "Curvx", &combourvx_, &curvx_, true);
    v->addStretch(1);
    return page;
}

QWidget* UrvWizardView::buildPage2() {
    auto* page = new QWidget(this);
    page->setObjectName("TabSheet3");
    auto* v = new QVBoxLayout(page);
    groupBox3_ = new QGroupBox(page);
    groupBox3_->setObjectName("GroupBox3");
    auto* g = new QGridLayout(groupBox3_);
    g->addWidget(new QLabel("Salários em CR$", groupBox3_), 0, 1);
    label19_ = new QLabel(groupBox3_);
    label19_->setObjectName("Label19");
    g->addWidget(label19_, 0, 2);
    g->addWidget(new QLabel("Valor do salário em URV ", groupBox3_), 0, 3);
    const char* months[] = {"11/1993", "12/1993", "01/1994", "02/1994"};
    const char* names[4][3] = {{"Enovx", "Enovurv", "Enovc"},
                               {"Edezx", "Edezurv", "Edezc"},
                               {"Ejanx", "Ejanurv", "Ejanc"},
                               {"Efevx", "Efevurv", "Efevc"}};
    for (int i = 0; i < 4; ++i) {
        g->addWidget(new QLabel(months[i], groupBox3_), i + 1, 0);
        for (int c = 0; c < 3; ++c) g->addWidget(edit(names[i][c], true), i + 1, c + 1);
    }
    v->addWidget(groupBox3_);
    auto* f = new QFormLayout;
    f->addRow("Média aritimética: ", edit("Ema", true));
    f->addRow("Salário pago em março de 1994: ", edit("Espago", true));
    f->addRow(
        "Acréscimo a ser aplicado ao salário para atingir o valor estabelecido pela Lei 8.880/94: ",
        edit("Eporc", true));
    f->addRow("Acréscimo a ser aplicado  por conversão incorreta para o Real em 07/94:",
              edit("Eerroneo", true));
    v->addLayout(f);
    v->addStretch(1);
    return page;
}

QWidget* UrvWizardView::buildPage3() {
    auto* page = new QWidget(this);
    page->setObjectName("TabSheet4");
    auto* v = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    auto* f = new QFormLayout;
    f->addRow("Atualizar até: ", dateBox("Datafinal"));
    f->addRow("Data da Citação", dateBox("dtacitacao"));
    top->addLayout(f);
    auto* presc = new QGroupBox("Prescrição", page);
    auto* pf = new QVBoxLayout(presc);
    cprescricao_ = new QCheckBox("Prescrição automática (5 anos a partir da citação)", presc);
    cprescricao_->setObjectName("Cprescricao");
    pf->addWidget(cprescricao_);
    auto* pr = new QFormLayout;
    pr->addRow("Data da prescrição", dateBox("Eprescricao"));
    pf->addLayout(pr);
    connect(cprescricao_, &QCheckBox::clicked, this, [this](bool on) {
        m_.Cprescricao = on;
        run([this] { m_.CprescricaoClick(); });
    });
    top->addWidget(presc);
    auto* buttons = new QVBoxLayout;
    auto* repetir = button("Button6", "Repetir", page);
    repetir->setToolTip("Repete a remuneração da linha de cima");
    auto* diario = button("Button9", "Lançar valores diariamente", page);
    buttons->addWidget(repetir);
    buttons->addWidget(diario);
    buttons->addStretch(1);
    top->addLayout(buttons);
    v->addLayout(top);
    connect(repetir, &QPushButton::clicked, this, [this] { run([this] { m_.Button6Click(); }); });
    connect(diario, &QPushButton::clicked, this, [this] {
        takeFocusOff();
        run([this] { m_.Button9Click(); });
    });

    auto* grids = new QHBoxLayout;
    svaloresView_ = gridView(&m_.svalores, "svalores", false, &svalores_, page);
    svaloresView_->setFixedWidth(290);
    svaloresView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    surv_ = nullptr;
    auto* survView = gridView(&m_.surv, "surv", true, &surv_, page);
    svalores_->setCellEdited([this](int col, int row) {
        const std::string text = m_.svalores.cell(col, row);
        run([this, col, row, text] { m_.svaloresSetEditText(col, row, text); });
    });
    connect(svaloresView_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& now) {
                if (now.isValid() && !refreshing_) m_.svaloresRow = svalores_->gridRow(now.row());
            });
    grids->addWidget(svaloresView_);
    grids->addWidget(survView, 1);
    v->addLayout(grids, 1);
    return page;
}

QWidget* UrvWizardView::buildPage4() {
    auto* page = new QWidget(this);
    page->setObjectName("TabSheet5");
    auto* v = new QVBoxLayout(page);
    auto* f = new QFormLayout;
    cb1_ = new QComboBox(page);
    cb1_->setObjectName("CB1");
    for (const auto& t : urv::correctionTables()) cb1_->addItem(q(t));
    f->addRow("Escolha o índice de correção: ", cb1_);
    v->addLayout(f);
    connect(cb1_, &QComboBox::activated, this, [this](int i) {
        const std::string item = urv::correctionTables()[static_cast<size_t>(i)];
        run([this, item] { m_.CB1Click(item); });
    });
    auto* hono = new QGroupBox("Honorários (opcional) ", page);
    auto* hf = new QFormLayout(hono);
    chono_ = new QCheckBox("Aplicar honorários", hono);
    chono_->setObjectName("Chono");
    hf->addRow(chono_);
    hf->addRow("Porcentagem dos Honorários", moneyBox("Ehono"));
    connect(chono_, &QCheckBox::clicked, this, [this](bool on) { m_.Chono = on; });
    v->addWidget(hono);
    auto* juros = new QGroupBox("Juros Moratórios (opcional) ", page);
    auto* jf = new QFormLayout(juros);
    caplijur_ = new QCheckBox("Aplicar juros moratórios", juros);
    caplijur_->setObjectName("Caplijur");
    jf->addRow(caplijur_);
    jf->addRow("Juros ao mês:", moneyBox("Eq"));
    jurmen_ = new QCheckBox("Juros mês a mês", juros);
    jurmen_->setObjectName("Jurmen");
    jf->addRow(jurmen_);
    c2002_ = new QCheckBox("0,5% antes de 10/01/2002 e 1% após", juros);
    c2002_->setObjectName("C2002");
    jf->addRow(c2002_);
    connect(caplijur_, &QCheckBox::clicked, this, [this](bool on) {
        m_.Caplijur = on;
        run([this] { m_.CaplijurClick(); });
    });
    connect(jurmen_, &QCheckBox::clicked, this, [this](bool on) {
        m_.Jurmen = on;
        run([this] { m_.JurmenClick(); });
    });
    connect(c2002_, &QCheckBox::clicked, this, [this](bool on) { m_.C2002 = on; });
    v->addWidget(juros);
    csalvar_ = new QCheckBox("Sempre perguntar se deseja salvar ao finalizar os cálculos", page);
    csalvar_->setObjectName("Csalvar");
    connect(csalvar_, &QCheckBox::clicked, this, [this](bool on) {
        m_.Csalvar = on;
        run([this] { m_.CsalvarClick(); });
    });
    v->addWidget(csalvar_);
    v->addStretch(1);
    return page;
}

void UrvWizardView::refresh() {
    refreshing_ = true;
    setWindowTitle(q(m_.caption()));
    const bool pageChanged = pages_->currentIndex() != std::clamp(m_.page, 0, 4);
    pages_->setCurrentIndex(std::clamp(m_.page, 0, 4));
    if (pageChanged) focusFirstControl(pages_);  // the keyboard starts on the page reached
    labelExemplo_->setVisible(m_.tabelaExemplo);
    anterior_->setEnabled(m_.anteriorEnabled);
    proximo_->setEnabled(m_.proximoEnabled);
    finalizar_->setEnabled(m_.finalizarEnabled);
    if (!memo1_->hasFocus()) setLines(memo1_, m_.Memo1);
    r19_->setAutoExclusive(false);
    r22_->setAutoExclusive(false);
    r19_->setChecked(m_.R19);
    r22_->setChecked(m_.R22);
    r19_->setAutoExclusive(true);
    r22_->setAutoExclusive(true);
    c22dtpag_->setChecked(m_.C22dtpag);
    cescolher_->setChecked(m_.CEscolher);
    for (auto* c : {combourv_, curv_, combourvx_, curvx_}) c->setEnabled(m_.listsEnabled);
    showIndex(combourv_, m_.Combourv);
    showIndex(curv_, m_.Curv);
    showIndex(combourvx_, m_.Combourvx);
    showIndex(curvx_, m_.Curvx);
    groupBox3_->setTitle(q(m_.GroupBox3));
    label19_->setText(q(m_.Label19));
    for (auto& [name, e] : edits_) {
        if (const std::string* field = m_.field(name)) {
            // A date box being typed in keeps its own text until it is left.
            if (!(e->hasFocus() && dateBoxes_.count(e) != 0)) setText(e, *field);
        }
    }
    edits_["Eprescricao"]->setEnabled(m_.EprescricaoEnabled);
    cprescricao_->setChecked(m_.Cprescricao);
    showIndex(cb1_, m_.CB1);
    chono_->setChecked(m_.Chono);
    caplijur_->setChecked(m_.Caplijur);
    jurmen_->setChecked(m_.Jurmen);
    c2002_->setChecked(m_.C2002);
    csalvar_->setChecked(m_.Csalvar);
    svalores_->refresh();
    surv_->refresh();
    // The month grid's two columns share its width, so the month never scrolls out of sight.
    svaloresView_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    refreshing_ = false;
}

void UrvWizardView::showEvent(QShowEvent* event) {
    if (!m_.visible) m_.FormShow();
    refresh();
    UrvWindow::showEvent(event);
    focusFirstControl(pages_);  // the keyboard starts on the first field, not on a button
}

void UrvWizardView::hideEvent(QHideEvent* event) {
    m_.visible = false;
    UrvWindow::hideEvent(event);
}

// ---- daily entries -------------------------------------------------------------------------

DailyEntriesView::DailyEntriesView(app::App& app, urv::TFmanual& model, QWidget* parent)
    : UrvWindow(app, parent), m_(model) {
    setObjectName(urv::TFmanual::kClassName);
    setWindowTitle(q(model.caption()));
    resize(620, 560);
    auto* v = new QVBoxLayout(this);
    view_ = gridView(&m_.sdia, "sdia", false, &sdia_, this);
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& now) {
                if (now.isValid()) m_.row = sdia_->gridRow(now.row());
            });
    v->addWidget(view_, 1);
    demo_ = new QCheckBox("Exibir no formulário este demonstrativo diário", this);
    demo_->setObjectName("Cexibirdemo");
    connect(demo_, &QCheckBox::clicked, this, [this](bool on) { m_.Cexibirdemo = on; });
    v->addWidget(demo_);
    auto* pb = new QProgressBar(this);
    pb->setObjectName("Pb1");
    pb->setRange(0, 100);
    v->addWidget(pb);
    auto* bar = new QHBoxLayout;
    auto* inserir = button("Button2", "Inserir linha abaixo", this);
    auto* excluir = button("Button5", "Excluir linha", this);
    auto* enviar = button("Button3", "Enviar p/ planilha", this);
    auto* backup = button("Button6", "Criar Backup", this);
    auto* ajuda = button("Button1", "?", this);
    auto* fechar = button("Button4", "Fechar", this);
    for (auto* b : {inserir, excluir, enviar, backup, ajuda}) bar->addWidget(b);
    bar->addStretch(1);
    bar->addWidget(fechar);
    v->addLayout(bar);
    auto commit = [this] {
        if (QWidget* w = QApplication::focusWidget(); w != nullptr && isAncestorOf(w))
            w->clearFocus();
    };
    connect(inserir, &QPushButton::clicked, this, [this] { run([this] { m_.Button2Click(); }); });
    connect(excluir, &QPushButton::clicked, this, [this] { run([this] { m_.Button5Click(); }); });
    connect(enviar, &QPushButton::clicked, this, [this, commit] {
        commit();
        run([this] { m_.Button3Click(); });
    });
    connect(backup, &QPushButton::clicked, this, [this, commit] {
        commit();
        run([this] { m_.Button6Click(); });
    });
    connect(ajuda, &QPushButton::clicked, this, [this] { run([this] { m_.Button1Click(); }); });
    connect(fechar, &QPushButton::clicked, this, [this] { run([this] { m_.Button4Click(); }); });
    refresh();
}

DailyEntriesView::~DailyEntriesView() {
    sdia_->setCellEdited({});
}

void DailyEntriesView::refresh() {
    sdia_->refresh();
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    demo_->setChecked(m_.Cexibirdemo);
    findChild<QProgressBar*>("Pb1")->setValue(m_.Pb1);
    const int r = m_.row - 1;
    if (r >= 0 && r < sdia_->rowCount() && view_->currentIndex().row() != r)
        view_->setCurrentIndex(sdia_->index(r, std::max(0, view_->currentIndex().column())));
}

void DailyEntriesView::showEvent(QShowEvent* event) {
    refresh();
    UrvWindow::showEvent(event);
}

void DailyEntriesView::hideEvent(QHideEvent* event) {
    m_.visible = false;
    UrvWindow::hideEvent(event);
}

// ---- law text ------------------------------------------------------------------------------

LawTextView::LawTextView(app::App& app, urv::TFtexto& model, QWidget* parent)
    : UrvWindow(app, parent), m_(model) {
    setObjectName(urv::TFtexto::kClassName);
    setWindowTitle(q(model.caption()));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    resize(560, 420);
    auto* v = new QVBoxLayout(this);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName("Memo1");
    text_->setReadOnly(true);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    v->addWidget(text_, 1);
    auto* fechar = button("Button1", "Fechar", this);
    auto* bar = new QHBoxLayout;
    bar->addStretch(1);
    bar->addWidget(fechar);
    v->addLayout(bar);
    connect(fechar, &QPushButton::clicked, this, [this] { run([this] { m_.Button1Click(); }); });
}

void LawTextView::refresh() {
    setLines(text_, m_.Memo1);
}

void LawTextView::showEvent(QShowEvent* event) {
    refresh();
    // Centred on the desktop.
    if (QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    UrvWindow::showEvent(event);
}

void LawTextView::hideEvent(QHideEvent* event) {
    m_.visible = false;
    UrvWindow::hideEvent(event);
}

// ---- registration --------------------------------------------------------------------------

void registerUrvViews(ViewRegistry& views) {
    views.add("TFurv", [](app::App& app, app::WindowModel& m, QWidget* parent) -> QWidget* {
        return new UrvWizardView(app, static_cast<urv::TFurv&>(m), parent);
    });
    views.add("TFmanual", [](app::App& app, app::WindowModel& m, QWidget* parent) -> QWidget* {
        return new DailyEntriesView(app, static_cast<urv::TFmanual&>(m), parent);
    });
    views.add("TFtexto", [](app::App& app, app::WindowModel& m, QWidget* parent) -> QWidget* {
        return new LawTextView(app, static_cast<urv::TFtexto&>(m), parent);
    });
}

}  // namespace corvana::gui
