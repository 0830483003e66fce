// The main window's widgets and how they reach the main window's model.
#include "gui/app/main_window.hpp"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QBuffer>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableView>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextTable>
#include <QTextList>
#include <QTimer>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <functional>
#include <memory>

#include "core/app/calculation_files.hpp"
#include "core/app/installed_tables.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/text_file.hpp"
#include "gui/app/about_box.hpp"
#include "gui/app/page_setup.hpp"
#include "gui/app/report_view.hpp"
#include "gui/common/grid_model.hpp"
#include "gui/common/text_widgets.hpp"

namespace corvana::gui {

using app::Action;
using app::Command;
using app::Place;

namespace {

// Sizes of the editing toolbar's size box, in points.
struct SizeEntry {
    const char* name;
    qreal points;
};
constexpr SizeEntry kSizes[] = {{"Pequena", 8}, {"Média", 10},  {"Normal", 12},
                                {"Maior", 14},  {"Grande", 18}, {"Extra Grande", 24}};
}  // namespace

MainWindow::MainWindow(app::App& app, GuiUi& ui, const ViewRegistry& views, QWidget* parent)
    : QMainWindow(parent), app_(app), ui_(ui), viewRegistry_(views) {
    setObjectName("Form1");
    setWindowIcon(programIcon());
    ui_.attach(this);
    printer_.setPageSize(QPageSize(QPageSize::A4));
    printer_.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(buildTopTabs());

    pages_ = new QTabWidget(central);
    pages_->setObjectName("PageControl1");
    pages_->addTab(buildReportPage(), "Principal");
    pages_->addTab(buildIndexPage(), "Índice");
    pages_->addTab(buildTaburvPage(), "TabSheet6");
    pages_->setTabVisible(1, false);
    pages_->setTabVisible(2, false);
    layout->addWidget(pages_, 1);
    setCentralWidget(central);
    buildMenus();

    // Every window is created now, in the models' order; the views start hidden.
    for (auto* m : app_.models()) {
        if (m == &app_.form1()) continue;
        if (QWidget* v = viewRegistry_.create(m->className(), app_, *m, this)) {
            v->setWindowFlag(Qt::Window, true);
            v->hide();
            views_[m->className()] = v;
        }
    }
    // FormCreate ran when the model was created: its caption and editing mode are here.
    wb_->showBlank();
    wb_->setEditing(app_.form1().editing());
    refresh();
}

MainWindow::~MainWindow() {
    ui_.attach(nullptr);
}

bool MainWindow::startUp() {
    pages_->setCurrentIndex(0);
    QStringList families = QFontDatabase::families();
    cnomefont_->blockSignals(true);
    cnomefont_->clear();
    cnomefont_->addItems(families);
    cnomefont_->blockSignals(false);
    const bool running = app_.start();
    if (running && wb_->currentFile().empty()) wb_->showPage(startPage());
    refresh();
    return running;
}

QString MainWindow::startPage() const {
    auto esc = [](const std::string& t) { return QString::fromStdString(t).toHtmlEscaped(); };
    QString html = "<html><body><h2>Bem-vindo ao Corvana</h2>"
                   "<p>Cálculos judiciais com os índices das tabelas da pasta de dados. Escolha um "
                   "cálculo, preencha as páginas com <b>Próximo</b> e veja o relatório aqui com "
                   "<b>Finalizar</b>.</p><h3>Os cálculos</h3><table border=1 cellspacing=0 "
                   "cellpadding=3><tr><th>Cálculo</th><th>Como abrir</th></tr>";
    for (const auto& c : app::commandTable()) {
        if (c.action != Action::OpenWindow || c.hidden || !commandAvailable(c)) continue;
        const char* how = c.place == Place::PopupCalcular ? "botão Calcular (botão direito)"
                          : c.place == Place::PopupFgts   ? "botão FGTS"
                          : c.place == Place::MenuArquivosCalcular
                              ? "botão Calcular (clique) ou Arquivos &gt; Calcular"
                              : nullptr;
        if (how == nullptr) continue;
        html += "<tr><td>" + esc(c.caption) + "</td><td>" + how + "</td></tr>";
    }
    html += "</table><h3>Tabelas instaladas</h3><table border=1 cellspacing=0 cellpadding=3>"
            "<tr><th>Tabela</th><th>Último mês</th><th>Origem</th></tr>";
    const auto tables = app::installedTables(dataFolder());
    for (const auto& t : tables)
        html += "<tr><td>" + esc(t.file) + "</td><td>" + esc(t.lastMonth) + "</td><td>" +
                (t.sample ? "<b>exemplo</b> (não é índice oficial)" : "oficial") + "</td></tr>";
    if (tables.empty()) html += "<tr><td colspan=3>nenhuma tabela na pasta de dados</td></tr>";
    html += "</table><p>Ajuda: tecla <b>F1</b> ou menu <b>Ajuda</b>; para instalar as tabelas, "
            "botão <b>Atualizar Tabelas</b>. Pasta de dados: " +
            esc(dataFolder().string()) + "</p></body></html>";
    return html;
}

// ---- building -------------------------------------------------------------------------

bool MainWindow::commandAvailable(const Command& c) const {
    if (!app_.available(c)) return false;
    return c.action != Action::OpenWindow || viewRegistry_.has(c.window);
}

QAction* MainWindow::addCommandAction(QMenu* menu, const Command& c) {
    auto* a = menu->addAction(q(c.caption));
    a->setObjectName(q(c.name));
    a->setVisible(!c.hidden);
    if (!c.hint.empty()) a->setToolTip(q(c.hint));
    if (!commandAvailable(c)) {
        a->setEnabled(false);
        a->setStatusTip("Este cálculo ainda não está disponível nesta versão.");
    }
    const Command* cmd = &c;
    connect(a, &QAction::triggered, this, [this, cmd] { trigger(*cmd); });
    return a;
}

void MainWindow::buildMenus() {
    auto* arquivos = menuBar()->addMenu("&Arquivos");
    arquivos->setObjectName("Arquivos1");
    auto* calcular = arquivos->addMenu("Calcular");
    calcular->setObjectName("Calcular1");
    auto* ajuda = menuBar()->addMenu("Aj&uda");
    ajuda->setObjectName("Ajuda1");
    auto* online = menuBar()->addMenu("Cálculos On-Line");
    online->setObjectName("ClculosOnLine1");
    online->menuAction()->setVisible(false);

    for (const auto& c : app::commandTable()) {
        switch (c.place) {
            case Place::MenuArquivosCalcular:
                addCommandAction(calcular, c);
                break;
            case Place::MenuArquivos:
                if (c.action == Action::CloseMain) arquivos->addSeparator();
                addCommandAction(arquivos, c);
                if (c.action == Action::ReportPreview) arquivos->addSeparator();
                break;
            case Place::MenuAjuda:
                addCommandAction(ajuda, c);
                break;
            case Place::MenuCalculosOnLine:
                addCommandAction(online, c);
                break;
            case Place::PopupCalcular:
            case Place::PopupFgts:
            case Place::PopupAtualizar:
                addCommandAction(popupMenu(c.place), c);
                break;
            default:
                break;
        }
    }
    // Until a calculator command has run there is nothing worth previewing.
    if (auto* vi = findChild<QAction*>(app::kVisualizarImpressao)) vi->setEnabled(false);
    // The help page also opens with F1.
    auto* help = new QAction(this);
    help->setObjectName("AjudaF1");
    help->setShortcut(QKeySequence::HelpContents);
    connect(help, &QAction::triggered, this, [this] { trigger(QStringLiteral("Ajuda2")); });
    addAction(help);
}

QMenu* MainWindow::popupMenu(Place place) const {
    auto it = popups_.find(place);
    if (it != popups_.end()) return it->second;
    auto* self = const_cast<MainWindow*>(this);
    auto* menu = new QMenu(self);
    const char* name = place == Place::PopupCalcular ? "PopupMenu1"
                       : place == Place::PopupFgts   ? "PopupMenu2"
                                                     : "PopupMenu3";
    menu->setObjectName(name);
    self->popups_[place] = menu;
    return menu;
}

void MainWindow::showPopup(Place place, QWidget* at) {
    popupMenu(place)->popup(at->mapToGlobal(QPoint(0, at->height())));
}

QPushButton* MainWindow::addCommandButton(QWidget* parent, const Command& c) {
    auto* b = new QPushButton(q(c.caption), parent);
    b->setObjectName(q(c.name));
    if (!c.hint.empty()) b->setToolTip(q(c.hint));
    b->setVisible(!c.hidden);
    b->setMinimumHeight(30);
    const Command* cmd = &c;
    if (c.action == Action::CarryMenu) {
        // A left or a right click opens the button's pop-up menu.
        b->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(b, &QPushButton::customContextMenuRequested, this,
                [this, b, cmd] { showPopup(cmd->menu, b); });
        connect(b, &QPushButton::clicked, this, [this, b, cmd] { showPopup(cmd->menu, b); });
        return b;
    }
    if (c.name == "SpeedButton1") {
        // "Calcular": a right click opens the calculators' pop-up menu.
        b->setContextMenuPolicy(Qt::CustomContextMenu);
        b->setToolTip("Clique com o botão direito para escolher o cálculo");
        connect(b, &QPushButton::customContextMenuRequested, this,
                [this, b] { showPopup(Place::PopupCalcular, b); });
        // Without the URV calculator in this build a left click offers the other calculators.
        connect(b, &QPushButton::clicked, this, [this, b, cmd] {
            if (commandAvailable(*cmd)) {
                trigger(*cmd);
            } else {
                showPopup(Place::PopupCalcular, b);
            }
        });
        return b;
    }
    if (!commandAvailable(c)) b->setEnabled(false);
    if (c.action == Action::ReportPrint) b->setShortcut(QKeySequence::Print);
    connect(b, &QPushButton::clicked, this, [this, cmd] { trigger(*cmd); });
    return b;
}

QWidget* MainWindow::buildTopTabs() {
    topTabs_ = new QTabWidget(this);
    topTabs_->setObjectName("TabControl1");
    topTabs_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    auto* botoes = new QWidget(topTabs_);
    botoes->setObjectName("TabBotoes");
    auto* bl = new QHBoxLayout(botoes);
    auto* atualizacoes = new QWidget(topTabs_);
    atualizacoes->setObjectName("TabAtualizacoes");
    auto* al = new QHBoxLayout(atualizacoes);
    for (const auto& c : app::commandTable()) {
        if (c.place == Place::TabBotoes) bl->addWidget(addCommandButton(botoes, c));
        if (c.place == Place::TabAtualizacoes) al->addWidget(addCommandButton(atualizacoes, c));
    }
    bl->addStretch();
    al->addStretch();

    auto* fonte = new QWidget(topTabs_);
    fonte->setObjectName("TabFonte");
    auto* fl = new QHBoxLayout(fonte);
    cnomefont_ = new QComboBox(fonte);
    cnomefont_->setObjectName("Cnomefont");
    cnomefont_->setEditable(true);
    cnomefont_->setInsertPolicy(QComboBox::NoInsert);
    cnomefont_->setMinimumWidth(240);
    cfont_ = new QComboBox(fonte);
    cfont_->setObjectName("Cfont");
    cfont_->setEditable(true);
    cfont_->setInsertPolicy(QComboBox::NoInsert);
    cfont_->addItems({"12", "11", "10", "9", "8", "7"});
    cfont_->setMinimumWidth(70);
    auto* l1 = new QLabel("Fonte do relatório:", fonte);
    l1->setBuddy(cnomefont_);
    auto* l2 = new QLabel("Tamanho:", fonte);
    l2->setBuddy(cfont_);
    fl->addWidget(l1);
    fl->addWidget(cnomefont_);
    fl->addSpacing(12);
    fl->addWidget(l2);
    fl->addWidget(cfont_);
    fl->addStretch();
    for (QComboBox* box : {cnomefont_, cfont_}) {
        connect(box, &QComboBox::activated, this, [this] { fontBoxChanged(false); });
        box->installEventFilter(this);
    }

    topTabs_->addTab(botoes, "Botões");
    topTabs_->addTab(fonte, "Configurar Fonte");
    topTabs_->addTab(atualizacoes, "Atualizações do Software");
    return topTabs_;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && (watched == cnomefont_ || watched == cfont_)) {
        fontBoxChanged(true);
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::fontBoxChanged(bool exit) {
    auto& ctx = app_.context();
    ctx.Cnomefont = s(cnomefont_->currentText());
    ctx.Cfont = s(cfont_->currentText());
    auto& f = app_.form1();
    app::runCommand(ui_, [&] { exit ? f.CfontExit() : f.CfontClick(); });
}

QWidget* MainWindow::buildReportPage() {
    auto* page = new QWidget(this);
    page->setObjectName("TabSheet1");
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    wb_ = new ReportView(page);
    buildEditingToolbar(page, layout);
    layout->addWidget(wb_, 1);
    pb1_ = new QProgressBar(page);
    pb1_->setObjectName("Pb1");
    pb1_->setRange(0, 100);
    pb1_->setValue(0);
    pb1_->setTextVisible(false);
    pb1_->setMaximumHeight(12);
    layout->addWidget(pb1_);
    connect(wb_, &ReportView::progressChange, this, [this](long long p, long long max) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        app_.form1().WBProgressChange(p, max);
        pb1_->setValue(app_.form1().pb1());
    });
    connect(wb_, &QTextEdit::currentCharFormatChanged, this, [this] { updateFormatButtons(); });
    connect(wb_, &QTextEdit::cursorPositionChanged, this, [this] { updateFormatButtons(); });
    return page;
}

void MainWindow::buildEditingToolbar(QWidget* page, QVBoxLayout* layout) {
    auto* bar = new QToolBar(page);
    bar->setObjectName("ToolBar1");
    bar->setIconSize(QSize(18, 18));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto add = [&](const char* name, const QString& text, const QString& hint, auto slot) {
        auto* a = bar->addAction(text);
        a->setObjectName(name);
        a->setToolTip(hint);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    auto merge = [this](const QTextCharFormat& f) {
        QTextCursor c = wb_->textCursor();
        if (!c.hasSelection()) c.select(QTextCursor::WordUnderCursor);
        c.mergeCharFormat(f);
        wb_->mergeCurrentCharFormat(f);
    };

    add("ToolButtonRecortar", "Recortar", "Recortar o texto selecionado", [this] { wb_->cut(); });
    add("ToolButtonCopiar", "Copiar", "Copiar o texto selecionado", [this] { wb_->copy(); });
    add("ToolButtonColar", "Colar", "Colar o texto copiado", [this] { wb_->paste(); });
    bar->addSeparator();

    combofont_ = new QFontComboBox(bar);
    combofont_->setObjectName("combofont");
    combofont_->setToolTip("Fonte do texto");
    combofont_->setMaximumWidth(200);
    bar->addWidget(combofont_);
    connect(combofont_, &QFontComboBox::textActivated, this, [merge](const QString& family) {
        QTextCharFormat f;
        f.setFontFamilies({family});
        merge(f);
    });
    comboSize_ = new QComboBox(bar);
    comboSize_->setObjectName("combotamanho");
    comboSize_->setToolTip("Tamanho do texto");
    for (const auto& e : kSizes) comboSize_->addItem(QString::fromUtf8(e.name), e.points);
    comboSize_->setCurrentIndex(2);
    bar->addWidget(comboSize_);
    connect(comboSize_, &QComboBox::activated, this, [this, merge](int i) {
        QTextCharFormat f;
        f.setFontPointSize(comboSize_->itemData(i).toReal());
        merge(f);
    });
    bar->addSeparator();

    bold_ = add("ToolButtonNegrito", "B", "Negrito", [this, merge](bool on) {
        QTextCharFormat f;
        f.setFontWeight(on ? QFont::Bold : QFont::Normal);
        merge(f);
    });
    italic_ = add("ToolButtonItalico", "I", "Itálico", [merge](bool on) {
        QTextCharFormat f;
        f.setFontItalic(on);
        merge(f);
    });
    underline_ = add("ToolButtonSublinhado", "U", "Sublinhado", [merge](bool on) {
        QTextCharFormat f;
        f.setFontUnderline(on);
        merge(f);
    });
    for (QAction* a : {bold_, italic_, underline_}) a->setCheckable(true);
    {
        QFont f = bar->font();
        f.setBold(true);
        bold_->setFont(f);
        f.setBold(false);
        f.setItalic(true);
        italic_->setFont(f);
        f.setItalic(false);
        f.setUnderline(true);
        underline_->setFont(f);
    }
    add("ToolButtonCor", "Cor", "Selecione a cor para o Texto", [this, merge] {
        const QColor c = QColorDialog::getColor(wb_->textColor(), this, "Cor do texto");
        if (!c.isValid()) return;
        QTextCharFormat f;
        f.setForeground(c);
        merge(f);
    });
    bar->addSeparator();

    auto list = [this](QTextListFormat::Style style) {
        QTextCursor c = wb_->textCursor();
        if (QTextList* l = c.currentList(); l != nullptr && l->format().style() == style) {
            // The same button again takes the paragraph out of the list.
            QTextBlockFormat bf = c.blockFormat();
            l->remove(c.block());
            bf.setIndent(0);
            c.setBlockFormat(bf);
            return;
        }
        c.createList(style);
    };
    add("ToolButtonNumeros", "1.", "Numeração", [list] { list(QTextListFormat::ListDecimal); });
    add("ToolButtonMarcadores", "•", "Marcadores", [list] { list(QTextListFormat::ListDisc); });
    auto indent = [this](int delta) {
        QTextCursor c = wb_->textCursor();
        if (QTextList* l = c.currentList()) {
            QTextListFormat lf = l->format();
            lf.setIndent(std::max(1, lf.indent() + delta));
            l->setFormat(lf);
            return;
        }
        QTextBlockFormat bf = c.blockFormat();
        bf.setIndent(std::max(0, bf.indent() + delta));
        c.setBlockFormat(bf);
    };
    add("ToolButtonDiminuirRecuo", "⇤", "Diminuir recuo", [indent] { indent(-1); });
    add("ToolButtonAumentarRecuo", "⇥", "Aumentar recuo", [indent] { indent(1); });
    bar->addSeparator();
    add("ToolButtonEsquerda", "Esq.", "Alinhar à esquerda",
        [this] { wb_->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute); });
    add("ToolButtonCentro", "Centro", "Centralizar",
        [this] { wb_->setAlignment(Qt::AlignHCenter); });
    add("ToolButtonDireita", "Dir.", "Alinhar à direita",
        [this] { wb_->setAlignment(Qt::AlignRight | Qt::AlignAbsolute); });
    bar->addSeparator();
    add("ToolButtonFigura", "Inserir Figura", "Inserir Figura", [this] { inserirFigura(); });
    modoEditar_ =
        add("ToolButtonModoEditar", "Modo Editar Texto", "Modo Editar Texto", [this](bool on) {
            app_.form1().setEditing(on);
            refresh();
        });
    modoEditar_->setCheckable(true);
    add("ToolButtonAbrir", "Abrir Formulário", "Abrir Formulário", [this] { abrirFormulario(); });
    add("ToolButtonSalvar", "Salvar Formulário", "Salvar Formulário",
        [this] { salvarFormulario(); });
    layout->addWidget(bar);
}

QWidget* MainWindow::buildIndexPage() {
    auto* page = new QWidget(this);
    page->setObjectName("TabSheet2");
    auto* layout = new QVBoxLayout(page);
    auto* buttons = new QHBoxLayout;
    for (const auto& c : app::commandTable())
        if (c.place == Place::TabIndice) buttons->addWidget(addCommandButton(page, c));
    buttons->addStretch();
    layout->addLayout(buttons);
    indiceView_ = new QTableView(page);
    indiceView_->setObjectName("indice");
    indiceModel_ = new GridModel(&app_.context().indice, indiceView_);
    indiceView_->setModel(indiceModel_);
    indiceView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(indiceView_);
    connect(indiceView_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& i) {
                if (!i.isValid()) return;
                app::runCommand(ui_, [&] {
                    app_.form1().indiceSelectCell(i.column(), indiceModel_->gridRow(i.row()));
                });
                indiceModel_->refresh();
            });
    return page;
}

QWidget* MainWindow::buildTaburvPage() {
    auto* page = new QWidget(this);
    page->setObjectName("TabSheet6");
    auto* layout = new QVBoxLayout(page);
    taburvView_ = new QTableView(page);
    taburvView_->setObjectName("Taburv");
    taburvModel_ = new GridModel(&app_.context().Taburv, taburvView_);
    taburvView_->setModel(taburvModel_);
    taburvView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(taburvView_);
    // Selecting a cell here applies the next-month rule to `indice`, as the grid event is shared.
    connect(taburvView_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& i) {
                if (!i.isValid()) return;
                app::runCommand(ui_, [&] {
                    app_.form1().indiceSelectCell(i.column(), taburvModel_->gridRow(i.row()));
                });
                indiceModel_->refresh();
            });
    return page;
}

// ---- commands -------------------------------------------------------------------------

void MainWindow::trigger(const QString& commandName) {
    if (const auto* c = app::findCommand(s(commandName))) trigger(*c);
}

void MainWindow::trigger(const Command& c) {
    switch (c.action) {
        case Action::ReportSelectAll:
            WBselecionar();
            break;
        case Action::ReportCopy:
            wb_->copy();
            break;
        case Action::ReportPageSetup:
            WBConfigurarPagina();
            break;
        case Action::ReportPreview:
            WBvisualizar();
            break;
        case Action::ReportPrint:
            WBImprimir();
            break;
        case Action::ReportExportPdf:
            exportPdf();
            break;
        case Action::CarryMenu:
            if (auto* b = findChild<QWidget*>(q(c.name))) showPopup(c.menu, b);
            break;
        default:
            if (!commandAvailable(c)) return;
            app_.run(c);
            refresh();
            break;
    }
}

void MainWindow::openCalculation(const std::filesystem::path& file) {
    const std::string window = app::openCalculation(app_, file);
    refresh();
    refreshViews();
    if (QWidget* v = view(window); v != nullptr && v->isVisible()) {
        v->raise();
        v->activateWindow();
    }
}

void MainWindow::refreshViews() {
    for (auto& [name, v] : views_) {
        if (v->metaObject()->indexOfMethod("refresh()") >= 0)
            QMetaObject::invokeMethod(v, "refresh", Qt::DirectConnection);
    }
}

void MainWindow::refresh() {
    auto& f = app_.form1();
    setWindowTitle(q(f.caption()));
    const auto& ctx = app_.context();
    if (!cnomefont_->hasFocus() && cnomefont_->currentText() != q(ctx.Cnomefont))
        cnomefont_->setEditText(q(ctx.Cnomefont));
    if (!cfont_->hasFocus() && cfont_->currentText() != q(ctx.Cfont))
        cfont_->setEditText(q(ctx.Cfont));
    // A shown document can always be previewed (a report, the help page, an opened form).
    if (auto* vi = findChild<QAction*>(app::kVisualizarImpressao))
        vi->setEnabled(f.previewEnabled() || !wb_->currentFile().empty());
    if (wb_->editing() != f.editing()) wb_->setEditing(f.editing());
    modoEditar_->setChecked(f.editing());
    pb1_->setValue(f.pb1());
    indiceModel_->refresh();
    taburvModel_->refresh();
}

// ---- Ui effects -----------------------------------------------------------------------

void MainWindow::showReport(const std::filesystem::path& file) {
    pages_->setCurrentIndex(0);
    // "page.htm#section": the page, scrolled to that section.
    std::filesystem::path shown = file;
    QString section;
    std::error_code ec;
    const std::string text = file.string();
    if (const auto hash = text.rfind('#');
        hash != std::string::npos && !std::filesystem::exists(file, ec)) {
        shown = text.substr(0, hash);
        section = q(text.substr(hash + 1));
    }
    // A newly shown document keeps the view's editing mode.
    app::runCommand(ui_, [&] { wb_->showFile(shown); });
    if (!section.isEmpty()) wb_->scrollToAnchor(section);
    if (auto* vi = findChild<QAction*>(app::kVisualizarImpressao); vi && !wb_->currentFile().empty())
        vi->setEnabled(true);
    if (isVisible()) {
        raise();
        activateWindow();
    }
}

void MainWindow::setEditingMode(bool on) {
    wb_->setEditing(on);
    if (modoEditar_ != nullptr) modoEditar_->setChecked(on);
}

void MainWindow::enableCommand(const std::string& name, bool enabled) {
    if (auto* a = findChild<QAction*>(q(name))) a->setEnabled(enabled);
    if (auto* b = findChild<QPushButton*>(q(name))) b->setEnabled(enabled);
}

QWidget* MainWindow::view(const std::string& className) const {
    const auto it = views_.find(className);
    return it == views_.end() ? nullptr : it->second;
}

void MainWindow::showView(const std::string& className) {
    if (QWidget* v = view(className)) {
        // A command may have re-captioned a window that is already open (the state-court
        // window serves several courts).
        if (const auto* m = app_.model(className)) v->setWindowTitle(q(m->caption()));
        if (!v->property("corvanaPlaced").toBool()) {
            // The first showing puts the window over the middle of the main window.
            v->move(frameGeometry().center() - v->rect().center());
            v->setProperty("corvanaPlaced", true);
        }
        v->show();
        v->raise();
        v->activateWindow();
    }
}

void MainWindow::closeView(const std::string& className) {
    if (QWidget* v = view(className)) v->hide();
}

void MainWindow::endProgram(bool quitApplication) {
    ending_ = true;
    for (auto& [name, v] : views_) v->hide();
    close();
    if (quitApplication)
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program, without questions; every window goes with it.
    event->accept();
    for (auto& [name, v] : views_) v->hide();
    if (!ending_ && QCoreApplication::instance() != nullptr && isVisible())
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

// ---- report view operations -----------------------------------------------------------

void MainWindow::repeatTableHeaders(QTextDocument* doc) {
    // A spreadsheet (a table of three columns or more) repeats its header row on every
    // printed page; one-column tables of notes do not. Only the printed copy changes.
    const std::function<void(QTextFrame*)> walk = [&walk](QTextFrame* frame) {
        for (QTextFrame* child : frame->childFrames()) {
            if (auto* t = qobject_cast<QTextTable*>(child); t && t->columns() >= 3 && t->rows() > 1) {
                QTextTableFormat f = t->format();
                if (f.headerRowCount() == 0) {
                    f.setHeaderRowCount(1);
                    t->setFormat(f);
                }
            }
            walk(child);
        }
    };
    walk(doc->rootFrame());
}

void MainWindow::printDocument(QPagedPaintDevice* device) {
    // The page's margins are the page settings' margins; the page number goes in the last
    // line of each page.
    std::unique_ptr<QTextDocument> doc(wb_->document()->clone());
    QPainter painter(device);
    if (!painter.isActive()) return;
    repeatTableHeaders(doc.get());
    doc->documentLayout()->setPaintDevice(device);
    const QSizeF body = device->pageLayout().paintRectPixels(device->logicalDpiX()).size();
    const QFont numberFont(doc->defaultFont(), device);
    const qreal numberHeight = QFontMetricsF(numberFont).height() * 2;
    QTextFrameFormat root = doc->rootFrame()->frameFormat();
    root.setMargin(0);
    doc->rootFrame()->setFrameFormat(root);
    const QSizeF text(body.width(), body.height() - numberHeight);
    doc->setPageSize(text);

    int first = 1;
    int last = doc->pageCount();
    if (auto* printer = dynamic_cast<QPrinter*>(device); printer && printer->fromPage() > 0) {
        first = std::max(first, printer->fromPage());
        last = std::min(last, printer->toPage());
    }
    for (int page = first; page <= last; ++page) {
        if (page > first) device->newPage();
        painter.save();
        const QRectF view(0, (page - 1) * text.height(), text.width(), text.height());
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        doc->documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setFont(numberFont);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, body.height() - numberHeight, body.width(), numberHeight),
                         Qt::AlignRight | Qt::AlignBottom, QString::number(page));
    }
}

void MainWindow::WBImprimir() {
    QPrintDialog dialog(&printer_, this);
    dialog.setWindowTitle("Imprimir");
    if (dialog.exec() == QDialog::Accepted) printDocument(&printer_);
}

void MainWindow::WBvisualizar() {
    QPrintPreviewDialog dialog(&printer_, this);
    dialog.setObjectName("PrintPreview");
    dialog.setWindowTitle("Visualizar Impressão");
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* p) { printDocument(p); });
    dialog.resize(size() * 0.9);
    dialog.exec();
}

void MainWindow::WBConfigurarPagina() {
    if (printer_.outputFormat() == QPrinter::NativeFormat) {
        QPageSetupDialog dialog(&printer_, this);
        dialog.setWindowTitle("Configurar Impressão");
        dialog.exec();
        return;
    }
    // No system printer: the settings are kept for the preview and the PDF.
    PageSetupDialog dialog(printer_.pageLayout(), this);
    if (dialog.exec() == QDialog::Accepted) printer_.setPageLayout(dialog.pageLayout());
}

void MainWindow::WBselecionar() {
    wb_->setFocus();
    wb_->selectAll();
}

void MainWindow::printToPdf(const std::filesystem::path& file) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(300);
        pdf.setPageLayout(printer_.pageLayout());
        pdf.setTitle(windowTitle());
        pdf.setCreator(windowTitle());
        printDocument(&pdf);
    }
    toolkit::writeFileAtomic(file, std::string_view(buffer.data().constData(),
                                                    static_cast<size_t>(buffer.data().size())));
}

void MainWindow::exportPdf() {
    const auto file = ui_.chooseSaveFile("Arquivos PDF|*.pdf", "pdf");
    if (!file) return;
    if (app::runCommand(ui_, [&] { printToPdf(*file); })) savedTo(*file);
}

void MainWindow::savedTo(const std::filesystem::path& file) {
    const auto u8 = file.u8string();
    statusBar()->showMessage(
        "Salvo em " + QString::fromUtf8(reinterpret_cast<const char*>(u8.data()),
                                        static_cast<qsizetype>(u8.size())),
        10000);
}

void MainWindow::inserirFigura() {
    const auto file = ui_.chooseOpenFile("Figuras|*.png;*.jpg;*.jpeg;*.gif;*.bmp", "");
    if (!file) return;
    const QString path = QString::fromUtf8(reinterpret_cast<const char*>(file->u8string().c_str()));
    QImage image(path);
    if (image.isNull()) {
        ui_.showMessage("'" + file->filename().string() +
                        "' não é uma figura que se possa inserir");
        return;
    }
    const QUrl url = QUrl::fromLocalFile(path);
    wb_->document()->addResource(QTextDocument::ImageResource, url, image);
    QTextImageFormat f;
    f.setName(url.toString());
    if (image.width() > 600) {
        f.setWidth(600);
        f.setHeight(600.0 * image.height() / image.width());
    }
    wb_->textCursor().insertImage(f);
}

void MainWindow::abrirFormulario() {
    const auto file = ui_.chooseOpenFile("Arquivos htm|*.htm;*.html", "htm");
    if (!file) return;
    showReport(*file);
}

void MainWindow::salvarFormulario() {
    const auto file = ui_.chooseSaveFile("Arquivos htm|*.htm", "htm");
    if (!file) return;
    QString html = wb_->toHtml();
    std::string cp1252;
    const bool single = toolkit::utf8ToCp1252(s(html), cp1252);
    // The form is written in Windows-1252 when every character has a byte there.
    html.replace(QRegularExpression("<meta charset=\"[^\"]*\"\\s*/?>"),
                 single ? "<meta charset=\"windows-1252\" />" : "<meta charset=\"utf-8\" />");
    html.replace("\n", "\r\n");
    if (app::runCommand(ui_, [&] { toolkit::writeTextFile(*file, s(html)); })) savedTo(*file);
}

void MainWindow::updateFormatButtons() {
    // A selection shows the format of its first character (a whole-paragraph selection ends
    // on the next paragraph).
    QTextCharFormat f = wb_->currentCharFormat();
    const QTextCursor cursor = wb_->textCursor();
    if (cursor.hasSelection()) {
        QTextCursor first(wb_->document());
        first.setPosition(std::min(cursor.selectionStart() + 1, cursor.selectionEnd()));
        f = first.charFormat();
    }
    bold_->setChecked(f.fontWeight() >= QFont::Bold);
    italic_->setChecked(f.fontItalic());
    underline_->setChecked(f.fontUnderline());
    const int size = comboSize_->findData(f.fontPointSize());
    if (size >= 0) comboSize_->setCurrentIndex(size);
    const QStringList families = f.fontFamilies().toStringList();
    if (!families.isEmpty()) {
        combofont_->blockSignals(true);
        combofont_->setCurrentFont(QFont(families.first()));
        combofont_->blockSignals(false);
    }
}

}  // namespace corvana::gui
