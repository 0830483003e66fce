// The savings windows: widgets named after their controls, every edit pushed into the model,
// every event through the model's handler, every widget refreshed from the model afterwards.
#include "gui/savings/savings_views.hpp"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>
#include <QTabWidget>
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


const char* const kMonthMask = "99/9999; ";
const char* const kDateMask = "99/99/9999; ";
const char* const kEmptyDate = "  /  /    ";


// The "Sim"/"Não" column: the cell's text and, 25 pixels right and 4 below its corner, the
// second image for "Sim" and the first for "Não".
class SimNaoDelegate : public MaskedDelegate {
public:
    SimNaoDelegate(int column, QObject* parent) : MaskedDelegate(parent), column_(column) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        MaskedDelegate::paint(painter, option, index);
        if (index.column() != column_) return;
        const QString text = index.data().toString();
        QStyle::StandardPixmap icon;
        if (text == "Sim")
            icon = QStyle::SP_DialogApplyButton;
        else if (text == "Não")
            icon = QStyle::SP_DialogCancelButton;
        else
            return;
        const QPixmap pm = QApplication::style()->standardIcon(icon).pixmap(14, 14);
        painter->drawPixmap(option.rect.topLeft() + QPoint(25, 4), pm);
    }

protected:
    // Amounts, rates and months stand to the right, as in the report's table.
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        MaskedDelegate::initStyleOption(option, index);
        const QString text = index.data().toString();
        bool numeric = !text.isEmpty();
        for (const QChar ch : text)
            if (!ch.isDigit() && ch != ',' && ch != '.' && ch != '/' && ch != '-' && ch != '%') numeric = false;
        if (numeric) option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
    }

private:
    int column_;
};

// Opens a window centred on the main window the first time it is shown.
void centreOnParent(QWidget* w) {
    if (w->property("centred").toBool() || w->parentWidget() == nullptr) return;
    const QRect p = w->parentWidget()->window()->geometry();
    w->move(p.center() - QPoint(w->width() / 2, w->height() / 2));
    w->setProperty("centred", true);
}

// Shows two options of one group as the model holds them, both cleared included (an older
// calculation file leaves the index-basis pair without a choice).
void showOptions(QRadioButton* a, bool onA, QRadioButton* b, bool onB) {
    QButtonGroup* group = a->group();
    const bool exclusive = group != nullptr && group->exclusive();
    if (group != nullptr) group->setExclusive(false);
    a->setChecked(onA);
    b->setChecked(onB);
    if (group != nullptr) group->setExclusive(exclusive);
}

// A push button; Enter presses it when it has the focus, as Space does. `caption` may carry a
// mnemonic ("&Próximo").
QPushButton* wizardButton(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(true);
    return b;
}

// A grid's table: Tab on its last cell (or Shift+Tab on its first) goes on to the next (or
// previous) control instead of wrapping round, also from an open editor; Space on a
// "Sim"/"Não" cell toggles it as a click does.
class GridTable : public QTableView {
public:
    using QTableView::QTableView;
    int toggleColumn = -1;

protected:
    bool atEdge(bool forward) const {
        const QModelIndex i = currentIndex();
        if (!i.isValid() || model() == nullptr) return true;
        return forward ? i.row() == model()->rowCount() - 1 && i.column() == model()->columnCount() - 1
                       : i.row() == 0 && i.column() == 0;
    }
    void keyPressEvent(QKeyEvent* event) override {
        if ((event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) &&
            event->modifiers() == (event->key() == Qt::Key_Tab ? Qt::NoModifier : Qt::ShiftModifier)) {
            const bool forward = event->key() == Qt::Key_Tab;
            if (atEdge(forward)) {
                QWidget::focusNextPrevChild(forward);
                return;
            }
        }
        if (event->key() == Qt::Key_Space && currentIndex().isValid() &&
            currentIndex().column() == toggleColumn && state() != EditingState) {
            emit clicked(currentIndex());
            return;
        }
        QTableView::keyPressEvent(event);
    }
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override {
        const bool forward = hint == QAbstractItemDelegate::EditNextItem;
        if ((forward || hint == QAbstractItemDelegate::EditPreviousItem) && atEdge(forward)) {
            QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
            QWidget::focusNextPrevChild(forward);
            return;
        }
        QTableView::closeEditor(editor, hint);
    }
};

}  // namespace

// ---- common ----------------------------------------------------------------------------

SavingsView::SavingsView(app::App& app, QWidget* parent) : QWidget(parent), app_(app) {
    all().push_back(this);
}

SavingsView::~SavingsView() {
    // The children lose the focus while they are destroyed: no leaving rule runs then.
    for (const auto& c : leaving_) disconnect(c);
    std::erase(all(), this);
}

void SavingsView::whenLeft(QTableView* view, std::function<void()> rule) {
    const auto inside = [view](const QWidget* w) { return w != nullptr && (w == view || view->isAncestorOf(w)); };
    leaving_.push_back(connect(qApp, &QApplication::focusChanged, this,
                               [this, inside, rule = std::move(rule)](QWidget* old, QWidget* now) {
                                   if (inside(old) && !inside(now)) run(rule);
                               }));
}

std::vector<SavingsView*>& SavingsView::all() {
    static std::vector<SavingsView*> views;
    return views;
}

void SavingsView::refreshAll() {
    for (auto* v : all()) v->refresh();
}

void SavingsView::run(const std::function<void()>& handler) {
    app::runCommand(app_.ui(), handler);
    refreshAll();
}

void SavingsView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && escapeCloses()) {
        run([this] { escape(); });
        return;
    }
    QWidget::keyPressEvent(event);
}

void SavingsView::setToggleColumn(QTableView* view, int column) {
    if (auto* t = dynamic_cast<GridTable*>(view)) t->toggleColumn = column;
}

QTableView* SavingsView::table(toolkit::StringGrid* grid, const QString& name, QSet<int> readOnly,
                               const QList<QPair<QString, QString>>& masks, GridModel** model) {
    auto* view = new GridTable(this);
    view->setObjectName(name);
    auto* gm = new GridModel(grid, view);
    gm->setReadOnlyColumns(std::move(readOnly));
    auto* delegate = new SimNaoDelegate(-1, view);
    for (const auto& [header, mask] : masks) delegate->setMaskForHeader(header, mask);
    view->setItemDelegate(delegate);
    view->setModel(gm);
    // Long headers wrap inside columns of a fixed width, as in the spreadsheet of the report.
    auto* header = view->horizontalHeader();
    header->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter) | Qt::Alignment(Qt::TextWordWrap));
    header->setMinimumHeight(52);
    header->setDefaultSectionSize(grid->colCount() > 5 ? 112 : 150);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(grid->colCount() <= 5);
    view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    *model = gm;
    return view;
}

// ---- the wizard ----------------------------------------------------------------------------

SavingsWizardView::SavingsWizardView(app::App& app, savings::SavingsWizard& model, QWidget* parent,
                                     WizardLook look)
    : SavingsView(app, parent), m_(model), look_(std::move(look)) {
    setObjectName(q(model.className()));
    setWindowTitle(q(model.caption()));
    resize(980, 640);
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    auto* anterior = wizardButton("SpeedButton1", "&Anterior", this);
    auto* proximo = wizardButton("SpeedButton2", "&Próximo", this);
    finalizar_ = wizardButton("SpeedButton3", "&Finalizar", this);
    auto* fechar = wizardButton("SpeedButton4", "Fe&char", this);
    auto* novo = wizardButton("ToolbarButton971", "Novo", this);
    auto* abrir = wizardButton("SpeedButton5", "Abrir", this);
    abrir->setToolTip("Abrir o Cálculo");
    auto* backup = wizardButton("SpeedButton18", "Abrir Backup", this);
    backup->setToolTip("Abrir o último cálculo realizado.");
    for (auto* b : {novo, abrir, backup}) bar->addWidget(b);
    bar->addStretch(1);
    for (auto* b : {anterior, proximo, finalizar_, fechar}) bar->addWidget(b);
    connect(anterior, &QPushButton::clicked, this, [this] { run([this] { m_.SpeedButton1Click(); }); });
    connect(proximo, &QPushButton::clicked, this, [this] { run([this] { m_.SpeedButton2Click(); }); });
    connect(finalizar_, &QPushButton::clicked, this, [this] { run([this] { m_.SpeedButton3Click(); }); });
    connect(fechar, &QPushButton::clicked, this, [this] { run([this] { m_.SpeedButton4Click(); }); });
    connect(novo, &QPushButton::clicked, this, [this] { run([this] { m_.ToolbarButton971Click(); }); });
    connect(abrir, &QPushButton::clicked, this, [this] { run([this] { m_.SpeedButton5Click(); }); });
    connect(backup, &QPushButton::clicked, this, [this] { run([this] { m_.SpeedButton18Click(); }); });

    // Where the user is: "Passo 2 de 7 — Saldo", with the pages' tab captions.
    step_ = new QLabel(this);
    step_->setObjectName("Passo");
    QFont stepFont = step_->font();
    stepFont.setBold(true);
    step_->setFont(stepFont);
    layout->addWidget(step_);
    pages_ = new QStackedWidget(this);
    pages_->setObjectName("PageControl1");
    pages_->addWidget(buildPlanPage());
    pages_->addWidget(buildSaldoPage());
    pages_->addWidget(buildBasePage());
    pages_->addWidget(buildJurosPage());
    stepCaptions_ = {"Escolha o plano", "Saldo", "Diferença", "Juros"};
    if (m_.variant().hasAmortisation) {
        pages_->addWidget(buildAmortizacaoPage());
        stepCaptions_ << "Amortização";
    }
    pages_->addWidget(buildPlanilhaPage());
    pages_->addWidget(buildNotasPage());
    stepCaptions_ << "Planilha" << "Cabeçalho/Rodapé/Notas";
    auto* hidden = new QWidget(this);  // "TabSheet2": planilha2 and the report buffer, never shown
    hidden->setObjectName("TabSheet2");
    pages_->addWidget(hidden);
    layout->addWidget(pages_, 1);
    layout->addLayout(bar);
    // The keyboard goes through the page first, then the buttons of the bar.
    QWidget* previous = nullptr;
    for (QWidget* w = pages_->nextInFocusChain(); w != pages_ && w != this; w = w->nextInFocusChain())
        if (pages_->isAncestorOf(w)) previous = w;
    for (QWidget* b : {static_cast<QWidget*>(novo), static_cast<QWidget*>(abrir),
                       static_cast<QWidget*>(backup), static_cast<QWidget*>(anterior),
                       static_cast<QWidget*>(proximo), static_cast<QWidget*>(finalizar_),
                       static_cast<QWidget*>(fechar)}) {
        if (previous != nullptr) setTabOrder(previous, b);
        previous = b;
    }
    refresh();
}

void SavingsWizardView::focusPage() {
    if (isVisible()) focusFirstControl(pages_);
}

SavingsWizardView::~SavingsWizardView() {
    // The grids go after this window: an editor still open commits its text while they are
    // destroyed, and that text must not call back into a window that is no longer there.
    for (auto* gm : grids_) gm->setCellEdited({});
    for (const auto& [view, name] : gridNames_) view->removeEventFilter(this);
}

QTableView* SavingsWizardView::grid(toolkit::StringGrid* g, const QString& name, QSet<int> readOnly,
                                    const QList<QPair<QString, QString>>& masks) {
    GridModel* gm = nullptr;
    QTableView* view = table(g, name, std::move(readOnly), masks, &gm);
    grids_.push_back(gm);
    gridNames_[view] = s(name);
    view->installEventFilter(this);
    gm->setCellEdited([this, n = s(name)](int, int) { markFocused(n); });
    leaveRuleOn(view, s(name));
    return view;
}

void SavingsWizardView::leaveRuleOn(QTableView* view, const std::string& name) {
    // The grid's leaving rule runs whenever the focus goes elsewhere (a check box, an option,
    // a button), not only when another grid takes it.
    whenLeft(view, [this, name] {
        if (m_.focusedGrid == name) m_.takeFocusOff();
    });
}

void SavingsWizardView::markFocused(const std::string& name) {
    // Editing a cell puts the focus in its grid; leaving another grid runs that grid's rule.
    if (m_.focusedGrid == name) return;
    app::runCommand(app_.ui(), [this, &name] {
        m_.takeFocusOff();
        m_.focusedGrid = name;
    });
}

bool SavingsWizardView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        const auto it = gridNames_.find(watched);
        if (it != gridNames_.end() && m_.focusedGrid != it->second) {
            markFocused(it->second);
            refreshAll();
        }
    }
    return SavingsView::eventFilter(watched, event);
}

QWidget* SavingsWizardView::buildPlanPage() {
    auto* page = new QWidget(this);
    page->setObjectName("TabSheet1");
    auto* layout = new QGridLayout(page);
    cplanos_ = new QListWidget(page);
    cplanos_->setObjectName("CPlanos");
    connect(cplanos_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (refreshing_) return;
        const int i = cplanos_->row(item);
        const bool on = item->checkState() == Qt::Checked;
        run([this, i, on] {
            m_.CPlanos.setChecked(i, on);
            m_.CPlanosClick();
        });
    });
    auto* splanos = grid(&m_.SPlanos, "SPlanos", {0}, {{"Data", kMonthMask}});
    auto* add = wizardButton("Button1", "Adicionar Expurgo", page);
    auto* config = wizardButton("Button3", "Configurar Índice", page);
    connect(add, &QPushButton::clicked, this, [this] { run([this] { m_.Button1Click(); }); });
    connect(config, &QPushButton::clicked, this, [this] { run([this] { m_.Button3Click(); }); });
    config->setVisible(look_.indexConfig);
    rtr_ = new QRadioButton("Índice baseado na ORTN/BTN/TR com demons. de juros remuneratórios", page);
    rtr_->setObjectName("Rtr");
    rpoup_ = new QRadioButton("Índice baseado na Poupança (ORTN/BTN/TR + 0,5%)", page);
    rpoup_->setObjectName("Rpoup");
    auto* basis = new QButtonGroup(page);
    basis->addButton(rtr_);
    basis->addButton(rpoup_);
    connect(rtr_, &QRadioButton::clicked, this, [this] { run([this] { m_.RtrClick(); }); });
    connect(rpoup_, &QRadioButton::clicked, this, [this] { run([this] { m_.RpoupClick(); }); });
    rtr_->setVisible(m_.variant().hasBasisOptions);
    rpoup_->setVisible(m_.variant().hasBasisOptions);
    label5_ = new QLabel(page);
    label5_->setObjectName("Label5");
    labelExemplo_ = sampleTableLabel(page);
    layout->addWidget(new QLabel("Escolha o plano", page), 0, 0);
    layout->addWidget(cplanos_, 1, 0, 3, 1);
    layout->addWidget(splanos, 1, 1, 3, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(add);
    side->addWidget(config);
    side->addStretch(1);
    layout->addLayout(side, 1, 2);
    layout->addWidget(rtr_, 4, 0, 1, 3);
    layout->addWidget(rpoup_, 5, 0, 1, 3);
    auto* tableLine = new QHBoxLayout;
    tableLine->addWidget(label5_);
    tableLine->addWidget(labelExemplo_);
    tableLine->addStretch(1);
    layout->addLayout(tableLine, 6, 0, 1, 3);
    return page;
}

QWidget* SavingsWizardView::buildSaldoPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel("Digite o DIA do aniversário e o SALDO da conta poupança no dia "
                                 "indicado e na moeda indicada: ",
                                 page));
    QList<QPair<QString, QString>> masks;
    if (look_.dayMask) masks.append(qMakePair(QString("Dia base"), QString("00; ")));
    layout->addWidget(grid(&m_.SSaldo, "SSaldo", {0, 1, 2}, masks), 1);
    return page;
}

QWidget* SavingsWizardView::buildBasePage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(grid(&m_.SBase, "SBase", {0, 1, 2, 3, 4}, {}), 1);
    return page;
}

QWidget* SavingsWizardView::buildJurosPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* g1 = new QGroupBox("Aplicar Juros Processuais - Digite o valor e a data inicial e final para "
                             "contagem dos juros ",
                             page);
    auto* l1 = new QVBoxLayout(g1);
    auto* row1 = new QHBoxLayout;
    cprorata_ = new QCheckBox("Pró-rata", g1);
    cprorata_->setObjectName("Cprorata");
    connect(cprorata_, &QCheckBox::toggled, this, [this](bool on) {
        if (!refreshing_) m_.Cprorata = on;
    });
    auto* limpar1 = wizardButton("Button4", "Limpar", g1);
    connect(limpar1, &QPushButton::clicked, this, [this] { run([this] { m_.Button4Click(); }); });
    rsimples_ = new QRadioButton("Simples", g1);
    rsimples_->setObjectName("Rsimples");
    rcomposto_ = new QRadioButton("Compostos", g1);
    rcomposto_->setObjectName("Rcomposto");
    auto* modes = new QButtonGroup(g1);
    modes->addButton(rsimples_);
    modes->addButton(rcomposto_);
    connect(rsimples_, &QRadioButton::clicked, this, [this] { run([this] { m_.RsimplesClick(); }); });
    connect(rcomposto_, &QRadioButton::clicked, this, [this] { run([this] { m_.RcompostoClick(); }); });
    rsimples_->setVisible(look_.interestModes);
    rcomposto_->setVisible(look_.interestModes);
    row1->addWidget(rsimples_);
    row1->addWidget(rcomposto_);
    row1->addWidget(cprorata_);
    row1->addStretch(1);
    row1->addWidget(limpar1);
    l1->addLayout(row1);
    const QList<QPair<QString, QString>> dates = {{"Data Inicial", kDateMask}, {"Data Final", kDateMask}};
    auto* stjuros = grid(&m_.STJuros, "STJuros", {}, dates);
    l1->addWidget(stjuros);
    GridModel* stModel = grids_.back();
    stModel->setCellEdited([this](int col, int row) {
        markFocused("STJuros");
        const std::string text = m_.STJuros.cell(col, row);
        m_.STJurosSetEditText(col, row, toolkit::checkinteiro(text) || (col > 1) ? text : kEmptyDate);
    });

    auto* g2 = new QGroupBox("Aplicar Juros  mês a mês (juros capitalizados)  ", page);
    auto* l2 = new QVBoxLayout(g2);
    auto* row2 = new QHBoxLayout;
    rsemjuros_ = new QRadioButton("Não", g2);
    rsemjuros_->setObjectName("Rsemjuros");
    rcomjuros_ = new QRadioButton("Sim", g2);
    rcomjuros_->setObjectName("RComjuros");
    auto* group = new QButtonGroup(g2);
    group->addButton(rsemjuros_);
    group->addButton(rcomjuros_);
    connect(rsemjuros_, &QRadioButton::clicked, this, [this] { run([this] { m_.RsemjurosClick(); }); });
    connect(rcomjuros_, &QRadioButton::clicked, this, [this] { run([this] { m_.RComjurosClick(); }); });
    auto* limpar2 = wizardButton("Button5", "Limpar", g2);
    connect(limpar2, &QPushButton::clicked, this, [this] { run([this] { m_.Button5Click(); }); });
    row2->addWidget(rsemjuros_);
    row2->addWidget(rcomjuros_);
    row2->addStretch(1);
    row2->addWidget(limpar2);
    l2->addLayout(row2);
    GridModel* jm = nullptr;
    auto* jmes = table(&m_.Jmes, "Jmes", {3}, dates, &jm);
    grids_.push_back(jm);
    gridNames_[jmes] = "Jmes";
    jmes->installEventFilter(this);
    leaveRuleOn(jmes, "Jmes");
    setToggleColumn(jmes, 3);
    jmes->setItemDelegate(new SimNaoDelegate(3, jmes));
    static_cast<MaskedDelegate*>(jmes->itemDelegate())->setMaskForHeader("Data Inicial", kDateMask);
    static_cast<MaskedDelegate*>(jmes->itemDelegate())->setMaskForHeader("Data Final", kDateMask);
    jm->setCellEdited([this](int col, int row) {
        markFocused("Jmes");
        const std::string text = m_.Jmes.cell(col, row);
        m_.JmesSetEditText(col, row, toolkit::checkinteiro(text) || (col > 1) ? text : kEmptyDate);
    });
    connect(jmes, &QTableView::clicked, this, [this, jm](const QModelIndex& index) {
        run([this, jm, index] {
            m_.JmesSelectCell(index.column(), jm->gridRow(index.row()));
            m_.JmesClick();
        });
    });
    l2->addWidget(jmes);
    layout->addWidget(g1, 1);
    layout->addWidget(g2, 1);
    g2->setVisible(!look_.interestModes);
    return page;
}

QWidget* SavingsWizardView::buildAmortizacaoPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel("Preencha estes campos com o valor ofertado pelo banco - Valor "
                                 "Incontroverso",
                                 page));
    layout->addWidget(new QLabel("ou outro valor para amortização.", page));
    auto* limpar = wizardButton("Button6", "Limpar", page);
    connect(limpar, &QPushButton::clicked, this, [this] { run([this] { m_.Button6Click(); }); });
    layout->addWidget(limpar, 0, Qt::AlignLeft);
    layout->addWidget(grid(&m_.amortizacao, "amortizacao", {0}, {}), 1);
    return page;
}

QWidget* SavingsWizardView::buildPlanilhaPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    QSet<int> all;
    for (int c = 0; c < 16; ++c) all.insert(c);
    layout->addWidget(grid(&m_.planilha, "planilha", all, {}), 1);
    return page;
}

QWidget* SavingsWizardView::buildNotasPage() {
    auto* page = new QWidget(this);
    auto* layout = new QGridLayout(page);
    cnotas_ = new QCheckBox("Exibir Notas Finais sobre cálculos", page);
    cnotas_->setObjectName("Cnotas");
    connect(cnotas_, &QCheckBox::toggled, this, [this](bool on) {
        if (!refreshing_) m_.Cnotas = on;
    });
    memo1_ = new QPlainTextEdit(page);
    memo1_->setObjectName("Memo1");
    memo2_ = new QPlainTextEdit(page);
    memo2_->setObjectName("Memo2");
    connect(memo1_, &QPlainTextEdit::textChanged, this, [this] {
        if (!refreshing_) m_.Memo1 = linesOf(memo1_->toPlainText());
    });
    connect(memo2_, &QPlainTextEdit::textChanged, this, [this] {
        if (!refreshing_) m_.Memo2 = linesOf(memo2_->toPlainText());
    });
    auto* gravar = wizardButton("Button2", "Gravar", page);
    connect(gravar, &QPushButton::clicked, this, [this] { run([this] { m_.Button2Click(); }); });
    auto* salvar = wizardButton("SpeedButton8", "Para Salvar o Cálculo Clique Aqui", page);
    salvar->setToolTip("Salvar o Cálculo");
    connect(salvar, &QPushButton::clicked, this, [this] { run([this] { m_.SpeedButton8Click(); }); });
    auto* closing = new QLabel(
        "O cálculo está completo, para visualizar o Formulário\nclique no botão Finalizar.\nSe desejar "
        "salvar o cálculo use o botão ao lado.\nApós visualizar o formulário você poderá refazer o "
        "cálculo\nusando o botão Calcular/" + look_.menuCommand + ".",
        page);
    auto* warning = new QLabel("Obs: junte ao processo os extratos do mês anterior e posterior ao expurgo", page);
    warning->setStyleSheet("color: red;");
    warning->setVisible(look_.statementNote);
    layout->addWidget(cnotas_, 0, 0, 1, 2);
    layout->addWidget(new QLabel("Cabeçalho", page), 1, 0);
    layout->addWidget(memo1_, 2, 0);
    layout->addWidget(new QLabel("Rodapé", page), 1, 1);
    layout->addWidget(memo2_, 2, 1);
    layout->addWidget(gravar, 3, 0, Qt::AlignLeft);
    layout->addWidget(closing, 4, 0);
    layout->addWidget(salvar, 4, 1);
    layout->addWidget(warning, 5, 0, 1, 2);
    return page;
}

void SavingsWizardView::refresh() {
    refreshing_ = true;
    setWindowTitle(q(m_.caption()));
    const int shownPage = std::clamp(m_.page, 0, m_.variant().lastPage);
    const bool pageChanged = pages_->currentIndex() != shownPage;
    pages_->setCurrentIndex(shownPage);
    step_->setText(QString("Passo %1 de %2 — %3")
                       .arg(shownPage + 1)
                       .arg(m_.variant().lastPage + 1)
                       .arg(shownPage < stepCaptions_.size() ? stepCaptions_[shownPage] : QString()));
    label5_->setText(q(m_.Label5));
    labelExemplo_->setVisible(m_.tabelaExemplo);
    bool same = cplanos_->count() == m_.CPlanos.count();
    for (int i = 0; same && i < cplanos_->count(); ++i)
        same = cplanos_->item(i)->text() == q(m_.CPlanos.items[i].text);
    if (!same) {
        cplanos_->clear();
        for (const auto& item : m_.CPlanos.items) {
            auto* w = new QListWidgetItem(q(item.text), cplanos_);
            w->setFlags(w->flags() | Qt::ItemIsUserCheckable);
        }
    }
    for (int i = 0; i < cplanos_->count(); ++i)
        cplanos_->item(i)->setCheckState(m_.CPlanos.checked(i) ? Qt::Checked : Qt::Unchecked);
    showOptions(rtr_, m_.Rtr, rpoup_, m_.Rpoup);
    showOptions(rsemjuros_, m_.Rsemjuros, rcomjuros_, m_.RComjuros);
    showOptions(rsimples_, m_.Rsimples, rcomposto_, m_.Rcomposto);
    rsemjuros_->setEnabled(m_.jurosOptionsEnabled);
    rcomjuros_->setEnabled(m_.jurosOptionsEnabled);
    cprorata_->setChecked(m_.Cprorata);
    cnotas_->setChecked(m_.Cnotas);
    if (linesOf(memo1_->toPlainText()) != m_.Memo1) memo1_->setPlainText(textOf(m_.Memo1));
    if (linesOf(memo2_->toPlainText()) != m_.Memo2) memo2_->setPlainText(textOf(m_.Memo2));
    finalizar_->setEnabled(m_.finalizarEnabled);
    for (auto* g : grids_) g->refresh();
    refreshing_ = false;
    if (pageChanged) focusPage();
}

void SavingsWizardView::showEvent(QShowEvent* event) {
    centreOnParent(this);
    m_.shown();
    refresh();
    SavingsView::showEvent(event);
    focusPage();
}

void SavingsWizardView::hideEvent(QHideEvent* event) {
    m_.hidden();
    SavingsView::hideEvent(event);
}

// ---- plan table ------------------------------------------------------------------------

GridDialogView::GridDialogView(app::App& app, savings::GridDialog& model, QSize size,
                               QSet<int> readOnly, const QList<QPair<QString, QString>>& masks,
                               Buttons order, QWidget* parent)
    : SavingsView(app, parent), dialog_(model) {
    setObjectName(QString::fromStdString(model.className()));
    setWindowTitle(QString::fromStdString(model.caption()));
    resize(size);
    auto* layout = new QVBoxLayout(this);
    view_ = table(&dialog_.SPlanosini, "SPlanosini", std::move(readOnly), masks, &grid_);
    // The cell reached by mouse or keyboard is the one "Excluir Linha" acts on.
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) {
                if (index.isValid()) dialog_.selectCell(index.column(), grid_->gridRow(index.row()));
            });
    whenLeft(view_, [this] { dialog_.SPlanosiniExit(); });
    layout->addWidget(view_, 1);

    auto* nova = wizardButton("", "&Nova Linha", this);
    auto* excluir = wizardButton("", "E&xcluir Linha", this);
    auto* gravar = wizardButton("", "&Gravar", this);
    auto* fechar = wizardButton("", "Fe&char", this);
    connect(nova, &QPushButton::clicked, this, [this] { run([this] { dialog_.NovaLinhaClick(); }); });
    connect(excluir, &QPushButton::clicked, this,
            [this] { run([this] { dialog_.ExcluirLinhaClick(); }); });
    connect(gravar, &QPushButton::clicked, this, [this] { run([this] { dialog_.GravarClick(); }); });
    connect(fechar, &QPushButton::clicked, this, [this] { run([this] { dialog_.FecharClick(); }); });
    const std::vector<QPushButton*> shown = order == Buttons::NovaFirst
                                                ? std::vector<QPushButton*>{nova, excluir, gravar, fechar}
                                                : std::vector<QPushButton*>{gravar, nova, excluir, fechar};
    auto* bar = new QHBoxLayout;
    for (size_t k = 0; k < shown.size(); ++k) {
        shown[k]->setObjectName(QString("Button%1").arg(k + 1));
        bar->addWidget(shown[k]);
    }
    bar->addStretch(1);
    layout->addLayout(bar);
}

void GridDialogView::refresh() { grid_->refresh(); }

void GridDialogView::showEvent(QShowEvent* event) {
    centreOnParent(this);
    dialog_.shown();
    refresh();
    SavingsView::showEvent(event);
}

// ---- plan table ------------------------------------------------------------------------

PlanTableView::PlanTableView(app::App& app, savings::TForm3& model, QWidget* parent)
    : GridDialogView(app, model, QSize(900, 320), {}, {{"Data", kMonthMask}}, Buttons::NovaFirst,
                     parent) {}

// ---- overrides ----------------------------------------------------------------------------

OverridesView::OverridesView(app::App& app, savings::TForm4& model, QWidget* parent)
    : GridDialogView(app, model, QSize(480, 320), {2}, {}, Buttons::GravarFirst, parent),
      m_(model) {
    view_->setItemDelegate(new SimNaoDelegate(2, view_));
    static_cast<MaskedDelegate*>(view_->itemDelegate())->setMaskForHeader("Data", kMonthMask);
    setToggleColumn(view_, 2);
    connect(view_, &QTableView::clicked, this, [this](const QModelIndex& index) {
        run([this, index] {
            m_.SPlanosiniSelectCell(index.column(), grid_->gridRow(index.row()));
            m_.SPlanosiniClick();
        });
    });
}

// ---- purge-month yield -------------------------------------------------------------------

PurgeYieldView::PurgeYieldView(app::App& app, savings::TForm6& model, QWidget* parent)
    : SavingsView(app, parent), m_(model) {
    setObjectName(savings::TForm6::kClassName);
    setWindowTitle(savings::TForm6::kCaption);
    setFixedSize(560, 420);
    auto* layout = new QVBoxLayout(this);
    auto* tabs = new QTabWidget(this);
    auto* calc = new QWidget(tabs);
    auto* cl = new QVBoxLayout(calc);
    cl->addWidget(new QLabel("Calcule o valor do índice usado no mês do expurgo", calc));
    cl->addWidget(new QLabel("Saiba se foi usado o índice correto ou não", calc));
    auto* g1 = new QGroupBox("Valor em conta ", calc);
    auto* f1 = new QGridLayout(g1);
    edit1_ = new QLineEdit(g1);
    edit1_->setObjectName("Edit1");
    edit2_ = new QLineEdit(g1);
    edit2_->setObjectName("Edit2");
    f1->addWidget(new QLabel("No mês do expurgo: ", g1), 0, 0);
    f1->addWidget(edit1_, 0, 1);
    f1->addWidget(new QLabel("No mês seguinte: ", g1), 1, 0);
    f1->addWidget(edit2_, 1, 1);
    cl->addWidget(g1);
    auto* r = new QHBoxLayout;
    edit3_ = new QLineEdit(calc);
    edit3_->setObjectName("Edit3");
    edit3_->setFocusPolicy(Qt::ClickFocus);  // skipped by the Tab key
    r->addWidget(new QLabel("Rendimento (índice usado): ", calc));
    r->addWidget(edit3_);
    cl->addLayout(r);
    auto* g2 = new QGroupBox("Opções para cálculo ", calc);
    auto* f2 = new QGridLayout(g2);
    check1_ = new QCheckBox("Excluir 0,5% - somente no caso de uso do índice da poupança", g2);
    check1_->setObjectName("CheckBox1");
    check2_ = new QCheckBox("Mudança de moeda ", g2);
    check2_->setObjectName("CheckBox2");
    edit4_ = new QLineEdit(g2);
    edit4_->setObjectName("Edit4");
    f2->addWidget(check1_, 0, 0, 1, 2);
    f2->addWidget(check2_, 1, 0, 1, 2);
    f2->addWidget(new QLabel("Mudança de moeda - divisão por: ", g2), 2, 0);
    f2->addWidget(edit4_, 2, 1);
    f2->addWidget(new QLabel("Mudança de moeda - use esta opção se os valores estiverem", g2), 3, 0, 1, 2);
    f2->addWidget(new QLabel("espressos em moedas diferentes", g2), 4, 0, 1, 2);
    cl->addWidget(g2);
    auto* bar = new QHBoxLayout;
    auto* calcular = wizardButton("Button1", "&Calcular", calc);
    auto* sair = wizardButton("Button2", "&Sair", calc);
    bar->addWidget(calcular);
    bar->addWidget(sair);
    bar->addStretch(1);
    cl->addLayout(bar);
    tabs->addTab(calc, "Cálculo");
    auto* quadro = new QWidget(tabs);
    auto* ql = new QVBoxLayout(quadro);
    ql->addWidget(table(&m_.StringAlignGrid1, "StringAlignGrid1", {}, {}, &grid_), 1);
    tabs->addTab(quadro, "Quadro comparativo dos indexadores oficiais");
    layout->addWidget(tabs);
    connect(edit1_, &QLineEdit::textEdited, this, [this](const QString& t) { m_.Edit1 = s(t); });
    connect(edit2_, &QLineEdit::textEdited, this, [this](const QString& t) { m_.Edit2 = s(t); });
    connect(edit3_, &QLineEdit::textEdited, this, [this](const QString& t) { m_.Edit3 = s(t); });
    connect(edit4_, &QLineEdit::textEdited, this, [this](const QString& t) { m_.Edit4 = s(t); });
    connect(check1_, &QCheckBox::toggled, this, [this](bool on) { m_.CheckBox1 = on; });
    connect(check2_, &QCheckBox::toggled, this, [this](bool on) { m_.CheckBox2 = on; });
    connect(calcular, &QPushButton::clicked, this, [this] { run([this] { m_.CalcularClick(); }); });
    connect(sair, &QPushButton::clicked, this, [this] { run([this] { m_.SairClick(); }); });
    // Enter in a box computes.
    for (QLineEdit* e : {edit1_, edit2_, edit3_, edit4_})
        connect(e, &QLineEdit::returnPressed, this, [this] { run([this] { m_.CalcularClick(); }); });
}

void PurgeYieldView::refresh() {
    edit1_->setText(q(m_.Edit1));
    edit2_->setText(q(m_.Edit2));
    edit3_->setText(q(m_.Edit3));
    edit4_->setText(q(m_.Edit4));
    check1_->setChecked(m_.CheckBox1);
    check2_->setChecked(m_.CheckBox2);
    grid_->refresh();
}

void PurgeYieldView::showEvent(QShowEvent* event) {
    centreOnParent(this);
    run([this] { m_.shown(); });
    SavingsView::showEvent(event);
}

// ---- February 1989 ---------------------------------------------------------------------

February1989View::February1989View(app::App& app, savings::TForm8& model, QWidget* parent)
    : SavingsView(app, parent), m_(model) {
    setObjectName(savings::TForm8::kClassName);
    setWindowTitle(savings::TForm8::kCaption);
    resize(560, 320);
    auto* layout = new QVBoxLayout(this);
    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName("Memo1");
    memo->setReadOnly(true);
    memo->setPlainText(textOf(savings::TForm8::Memo1()));
    layout->addWidget(memo, 1);
    auto* fechar = wizardButton("Button1", "Fe&char", this);
    connect(fechar, &QPushButton::clicked, this, [this] { run([this] { m_.FecharClick(); }); });
    layout->addWidget(fechar, 0, Qt::AlignRight);
}

void February1989View::showEvent(QShowEvent* event) {
    // The notice opens centred on the desktop the first time, not on the main window.
    if (!property("centred").toBool() && screen() != nullptr) {
        move(screen()->availableGeometry().center() - QPoint(width() / 2, height() / 2));
        setProperty("centred", true);
    }
    SavingsView::showEvent(event);
}

// ---- registration ----------------------------------------------------------------------

void registerSavingsViews(ViewRegistry& views) {
    views.add("TForm2", [](app::App& app, app::WindowModel& m, QWidget* parent) -> QWidget* {
        return new SavingsWizardView(app, static_cast<savings::SavingsWizard&>(m), parent);
    });
    // The court-debt windows: the state and federal copies as they are, the São Paulo factor
    // window with its interest modes and without the index overrides and the statement note.
    for (const char* court : {"TForm_tjsp_d", "TForm_jf"})
        views.add(court, [](app::App& app, app::WindowModel& m, QWidget* parent) -> QWidget* {
            return new SavingsWizardView(app, static_cast<savings::SavingsWizard&>(m), parent);
        });
    views.add("TForm5", [](app::App& app, app::WindowModel& m, QWidget* parent) -> QWidget* {
        WizardLook look;
        look.indexConfig = look.statementNote = look.dayMask = false;
        look.interestModes = true;
        look.menuCommand = "Débitos Judiciais São Paulo";
        return new SavingsWizardView(app, static_cast<savings::SavingsWizard&>(m), parent, look);
    });
    views.add("TForm3", [](app::App& app, app::WindowModel& m, QWidget* parent) -> QWidget* {
        return new PlanTableView(app, static_cast<savings::TForm3&>(m), parent);
    });
    views.add("TForm4", [](app::App& app, app::WindowModel& m, QWidget* parent) -> QWidget* {
        return new OverridesView(app, static_cast<savings::TForm4&>(m), parent);
    });
    views.add("TForm6", [](app::App& app, app::WindowModel& m, QWidget* parent) -> QWidget* {
        return new PurgeYieldView(app, static_cast<savings::TForm6&>(m), parent);
    });
    views.add("TForm8", [](app::App& app, app::WindowModel& m, QWidget* parent) -> QWidget* {
        return new February1989View(app, static_cast<savings::TForm8&>(m), parent);
    });
}

}  // namespace corvana::gui
