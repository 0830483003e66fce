// The configured-savings windows: pages, statement fields, key filters, focus and refresh.
#include "gui/configured/configured_view.hpp"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/app/ui.hpp"
#include "gui/app/views.hpp"
#include "gui/common/masked_box.hpp"
#include "gui/common/page_focus.hpp"
#include "gui/common/sample_table_label.hpp"
#include "gui/common/text_widgets.hpp"

namespace corvana::gui {

namespace {


QLabel* red(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setStyleSheet("color: red;");
    return l;
}


// Statement pages: which field of a month each one shows.
enum Kind { Jsi = 2, Jcm = 3, SaldoAnterior = 4, SaldoPosterior = 5 };

}  // namespace

ConfiguredView::ConfiguredView(app::App& app, configured::ConfiguredWizard& model, QWidget* parent)
    : QWidget(parent), app_(app), m_(model) {
    setObjectName(q(model.className()));
    setWindowTitle(q(model.caption()));
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    auto* novo = button("ToolbarButton971", "Novo", this);
    auto* abrir = button("SpeedButton5", "Abrir", this);
    abrir->setToolTip("Abrir o Cálculo");
    auto* backup = button("SpeedButton18", "Abrir Backup", this);
    backup->setToolTip("Abrir o último cálculo realizado.");
    auto* anterior = button("SpeedButton1", "&Anterior", this);
    auto* proximo = button("SpeedButton2", "&Próximo", this);
    finalizar_ = button("SpeedButton3", "&Finalizar", this);
    auto* fechar = button("SpeedButton4", "Fe&char", this);
    for (auto* b : {novo, abrir, backup}) bar->addWidget(b);
    bar->addStretch(1);
    for (auto* b : {anterior, proximo, finalizar_, fechar}) bar->addWidget(b);
    connect(novo, &QPushButton::clicked, this, [this] { run([this] { m_.ToolbarButton971Click(); }); });
    connect(abrir, &QPushButton::clicked, this, [this] { run([this] { m_.SpeedButton5Click(); }); });
    connect(backup, &QPushButton::clicked, this, [this] { run([this] { m_.SpeedButton18Click(); }); });
    connect(anterior, &QPushButton::clicked, this, [this] { run([this] { m_.SpeedButton1Click(); }); });
    connect(proximo, &QPushButton::clicked, this, [this] { run([this] { m_.SpeedButton2Click(); }); });
    connect(finalizar_, &QPushButton::clicked, this, [this] { run([this] { m_.SpeedButton3Click(); }); });
    connect(fechar, &QPushButton::clicked, this, [this] { run([this] { m_.SpeedButton4Click(); }); });

    pages_ = new QStackedWidget(this);
    pages_->setObjectName("PageControl1");
    pages_->addWidget(buildDados());
    pages_->addWidget(buildOpcoes());
    for (int k : {Jsi, Jcm, SaldoAnterior, SaldoPosterior}) pages_->addWidget(buildStatementPage(k));
    pages_->addWidget(buildDatesPage("Lance aqui os Juros Remuneratórios", "Datejurcompinicial",
                                     "Datejurcompfinal", "Ejurcomp", "TabSheet7"));
    pages_->addWidget(buildDatesPage("Lance aqui os Juros Moratórios", "Datejurmorinicial",
                                     "Datejurmorfinal", "Ejurmor", "TabSheet8"));
    pages_->addWidget(buildHonorarios());
    pages_->addWidget(buildFinal());
    layout->addWidget(pages_, 1);
    layout->addLayout(bar);
    setFixedSize(760, 470);
    refresh();
}

void ConfiguredView::run(const std::function<void()>& handler) {
    app::runCommand(app_.ui(), handler);
    refresh();
}

QLineEdit* ConfiguredView::edit(const std::string& name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(q(name));
    if (m_.isDateField(name)) {
        e->setInputMask("99/99/9999; ");
        typeFromStartWhenEmpty(e);
    }
    if (name == "Edia") e->setMaxLength(2);
    if (m_.isMoneyField(name) || name == "Ejurcomp" || name == "Ejurmor" || name == "Ehonvalor")
        e->setAlignment(Qt::AlignRight);
    e->installEventFilter(this);
    connect(e, &QLineEdit::textEdited, this, [this, name, e] {
        if (refreshing_) return;
        const QString text = m_.isDateField(name) ? e->displayText() : e->text();
        run([this, name, text] {
            m_.focusField(name);
            m_.fieldChanged(name, s(text));
        });
    });
    edits_[name] = e;
    return e;
}

QRadioButton* ConfiguredView::radio(const std::string& name, const QString& caption, QWidget* parent) {
    auto* r = new QRadioButton(caption, parent);
    r->setObjectName(q(name));
    connect(r, &QRadioButton::clicked, this, [this, name] { run([this, name] { m_.checkOption(name); }); });
    radios_[name] = r;
    return r;
}

QCheckBox* ConfiguredView::check(const std::string& name, const QString& caption,
                                 bool configured::ConfiguredState::*flag, QWidget* parent) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(q(name));
    connect(c, &QCheckBox::toggled, this, [this, flag](bool on) {
        if (!refreshing_) m_.*flag = on;
    });
    checks_[name] = c;
    return c;
}

QPushButton* ConfiguredView::ajuda(int number, QWidget* parent) {
    const std::string name = "Button" + std::to_string(number);
    auto* b = button(name.c_str(), "Ajuda", parent);
    connect(b, &QPushButton::clicked, this, [this] { run([this] { m_.AjudaClick(); }); });
    return b;
}

QWidget* ConfiguredView::buildDados() {
    auto* page = new QWidget(this);
    page->setObjectName("TabSheet1");
    auto* g = new QGridLayout(page);
    const std::pair<const char*, const char*> rows[] = {
        {"Enome", "Nome"},
        {"Ebanco", "Banco"},
        {"Eagencia", "Número da Agência"},
        {"Econta", "Número da Conta"},
        {"Dateate", "Atualizar o cálculo até a data"},
        {"Edia", "Dia de Aniversário da conta"},
    };
    int r = 0;
    for (const auto& [name, caption] : rows) {
        g->addWidget(new QLabel(caption, page), r, 0);
        g->addWidget(edit(name, page), r, 1);
        ++r;
    }
    edits_["Edia"]->setMaximumWidth(50);
    edits_["Dateate"]->setMaximumWidth(110);
    label47_ = red("", page);
    label47_->setObjectName("Label47");
    labelExemplo_ = sampleTableLabel(page);
    auto* tableLine = new QHBoxLayout;
    tableLine->addWidget(label47_);
    tableLine->addWidget(labelExemplo_);
    tableLine->addStretch(1);
    g->addLayout(tableLine, r++, 0, 1, 2);
    if (m_.variant().collorNote) {
        auto* note = new QLabel(
            "<span style=\"color:red\">Atenção: </span>Caso deseje que seja aplicado o índice oficial "
            "7,535% use a opção Poupança Configurada.",
            page);
        g->addWidget(note, r++, 0, 1, 2);
        g->addWidget(new QLabel("O índice de fevereiro/março de 1991 aplicado à tabela nesta seção:", page),
                     r++, 0, 1, 2);
        g->addWidget(
            new QLabel(" \"Poupança Configurada - com os planos Collor I e II\" é de 22,4793.", page), r++,
            0, 1, 2);
    }
    g->setRowStretch(r, 1);
    return page;
}

QWidget* ConfiguredView::buildOpcoes() {
    auto* page = new QWidget(this);
    page->setObjectName("TabSheet2");
    auto* l = new QVBoxLayout(page);
    l->addWidget(new QLabel("<b>Marque as Opções de Cálculo</b>", page));
    auto* group = new QButtonGroup(page);
    for (const auto& [name, caption] :
         {std::pair<const char*, const char*>{"Rjsi", "Juros e Seguro Inflação"},
          {"Rjcm", "Juros e Correção Monetária (JCM)"},
          {"Rsaldoant", "Estimativa Saldo Anterior"},
          {"Rsaldopost", "Estimativa Saldo Posterior"}}) {
        auto* r = radio(name, caption, page);
        group->addButton(r);
        l->addWidget(r);
    }
    l->addSpacing(12);
    l->addWidget(check("Cjm", "Juros Moratórios", &configured::ConfiguredState::Cjm, page));
    l->addWidget(check("Chonorarios", "Honorários", &configured::ConfiguredState::Chonorarios, page));
    l->addWidget(check("Cjc", q(m_.variant().cjcCaption), &configured::ConfiguredState::Cjc, page));
    l->addStretch(1);
    return page;
}

QWidget* ConfiguredView::buildStatementPage(int kind) {
    auto* page = new QWidget(this);
    page->setObjectName(QString("TabSheet%1").arg(kind + 1));
    auto* l = new QVBoxLayout(page);
    switch (kind) {
        case Jsi:
            l->addWidget(new QLabel("Digite os valores do Seguro Inflação e os \nJuros creditados nos campos abaixo", page));
            break;
        case Jcm:
            l->addWidget(new QLabel("Digite abaixo os valores relativos aos Juros somados à Correção (Atualização) \n"
                                    "Monetária (JCM ou JAM) creditados nos meses de Jul/87, Fev/89, e Mai/Jun/90.",
                                    page));
            break;
        case SaldoAnterior:
            l->addWidget(new QLabel("Se você não tiver os extratos dos meses nos quais ocorreu o expurgo e \n"
                                    "tiver apenas o extrato do mês anterior, uma opção é fazer uma projeção. ",
                                    page));
            break;
        default:
            l->addWidget(new QLabel("Se você tiver apenas o extrato do mês seguinte, poderá optar em fazer uma \n"
                                    "estimativa.",
                                    page));
            break;
    }
    auto* g = new QGridLayout;
    int row = 0;
    if (kind == Jsi) {
        g->addWidget(new QLabel("<b>Mês de Referência</b>", page), row, 0);
        g->addWidget(new QLabel("<b>Juros</b>", page), row, 1);
        g->addWidget(new QLabel("<b>Cor Mon / Seg Inf</b>", page), row, 2);
        ++row;
    }
    const auto& months = m_.variant().months;
    for (size_t k = 0; k < months.size(); ++k) {
        const auto& m = months[k];
        QString label;
        switch (kind) {
            case Jsi: label = q(m.jsiLabel); break;
            case Jcm: label = q(m.jcmLabel); break;
            case SaldoAnterior: label = q(m.saLabel); break;
            default: label = q(m.spLabel); break;
        }
        g->addWidget(new QLabel(label, page), row, 0);
        if (kind == Jsi) {
            g->addWidget(edit(m.J, page), row, 1);
            g->addWidget(edit(m.S, page), row, 2);
        } else {
            g->addWidget(edit(kind == Jcm ? m.JCM : kind == SaldoAnterior ? m.SA : m.SP, page), row, 1);
        }
        if (m.caption == "Fev/89") g->addWidget(ajuda(kind - 1, page), row, 3);
        ++row;
    }
    g->setColumnStretch(4, 1);
    l->addLayout(g);
    l->addStretch(1);
    l->addWidget(red(kind == SaldoAnterior
                         ? "(*) Em Janeiro de 89, digite o valor já convertido para NCz$ (Novo Cruzado), "
                         : "(*) Em fevereiro de 89, digite o valor já convertido para NCz$ (Novo Cruzado), ",
                     page));
    l->addWidget(red("retirando 3 zeros. (Divida o valor por 1000(mil))", page));
    return page;
}

QWidget* ConfiguredView::buildDatesPage(const char* title, const char* start, const char* end,
                                        const char* rate, const char* objectName) {
    auto* page = new QWidget(this);
    page->setObjectName(objectName);
    auto* g = new QGridLayout(page);
    g->addWidget(new QLabel(QString("<b>%1</b>").arg(title), page), 0, 0, 1, 2);
    g->addWidget(new QLabel("Data Inicial", page), 1, 0);
    g->addWidget(edit(start, page), 1, 1);
    g->addWidget(new QLabel("Data Final", page), 2, 0);
    g->addWidget(edit(end, page), 2, 1);
    g->addWidget(new QLabel("Juros", page), 3, 0);
    g->addWidget(edit(rate, page), 3, 1);
    g->setColumnStretch(2, 1);
    g->setRowStretch(4, 1);
    return page;
}

QWidget* ConfiguredView::buildHonorarios() {
    auto* page = new QWidget(this);
    page->setObjectName("TabSheet9");
    auto* g = new QGridLayout(page);
    auto* group = new QButtonGroup(page);
    auto* pct = radio("Rhonporcentagem", "Aplicar como porcentagem sobre o cálculo", page);
    auto* val = radio("Rhonvalor", "Digitarei um valor específico", page);
    group->addButton(pct);
    group->addButton(val);
    g->addWidget(pct, 0, 0, 1, 2);
    g->addWidget(val, 1, 0, 1, 2);
    g->addWidget(new QLabel("Valor/Porcentagem", page), 2, 0);
    g->addWidget(edit("Ehonvalor", page), 2, 1);
    g->setColumnStretch(2, 1);
    g->setRowStretch(3, 1);
    return page;
}

QWidget* ConfiguredView::buildFinal() {
    auto* page = new QWidget(this);
    page->setObjectName("TabSheet10");
    auto* l = new QVBoxLayout(page);
    l->addWidget(new QLabel("O cálculo está completo, para visualizar o Formulário\n"
                            "clique no botão Finalizar.\n"
                            "Se desejar salvar o cálculo use o botão abaixo.\n"
                            "Após visualizar o formulário você poderá refazer o cálculo\n"
                            "usando o botão \"Poupança Configurado\".",
                            page));
    auto* salvar = button(m_.variant().saveButton.c_str(), "Para Salvar o Cálculo Clique Aqui", page);
    salvar->setToolTip("Salvar o Cálculo");
    connect(salvar, &QPushButton::clicked, this, [this] { run([this] { m_.salvar(); }); });
    l->addWidget(salvar, 0, Qt::AlignLeft);
    l->addStretch(1);
    return page;
}

void ConfiguredView::refresh() {
    refreshing_ = true;
    setWindowTitle(q(m_.caption()));
    const bool pageChanged = pages_->currentIndex() != std::clamp(m_.page, 0, 9);
    pages_->setCurrentIndex(std::clamp(m_.page, 0, 9));
    if (pageChanged) focusFirstControl(pages_);  // the keyboard starts on the page reached
    label47_->setText(q(m_.Label47));
    labelExemplo_->setVisible(m_.tabelaExemplo);
    finalizar_->setEnabled(m_.finalizarEnabled);
    for (auto& [name, e] : edits_) {
        const std::string* text = m_.field(name);
        if (text == nullptr) continue;
        const QString shown = m_.isDateField(name) ? e->displayText() : e->text();
        if (shown != q(*text)) {
            e->setText(q(*text));
            if (m_.isMoneyField(name) || name == "Ehonvalor") e->setCursorPosition(e->text().size());
        }
    }
    const std::pair<const char*, bool> options[] = {
        {"Rjsi", m_.Rjsi}, {"Rjcm", m_.Rjcm}, {"Rsaldoant", m_.Rsaldoant},
        {"Rsaldopost", m_.Rsaldopost}, {"Rhonporcentagem", m_.Rhonporcentagem}, {"Rhonvalor", m_.Rhonvalor}};
    // A file may leave a whole group cleared: show it so.
    for (auto* group : {radios_["Rjsi"]->group(), radios_["Rhonvalor"]->group()}) group->setExclusive(false);
    for (const auto& [name, on] : options) radios_[name]->setChecked(on);
    for (auto* group : {radios_["Rjsi"]->group(), radios_["Rhonvalor"]->group()}) group->setExclusive(true);
    checks_["Cjm"]->setChecked(m_.Cjm);
    checks_["Chonorarios"]->setChecked(m_.Chonorarios);
    checks_["Cjc"]->setChecked(m_.Cjc);
    refreshing_ = false;
}

bool ConfiguredView::eventFilter(QObject* watched, QEvent* event) {
    auto* e = qobject_cast<QLineEdit*>(watched);
    if (e == nullptr) return QWidget::eventFilter(watched, event);
    const std::string name = s(e->objectName());
    const bool money = m_.isMoneyField(name);
    const bool rate = name == "Ejurcomp" || name == "Ejurmor" || name == "Ehonvalor";
    if (event->type() == QEvent::FocusIn) {
        app::runCommand(app_.ui(), [this, &name] { m_.focusField(name); });
        QMetaObject::invokeMethod(this, [this] { refresh(); }, Qt::QueuedConnection);
    } else if (event->type() == QEvent::FocusOut) {
        if (m_.focusedField == name) {
            // A date box sends its text before it is completed.
            const QString shown = e->displayText();
            run([this, &name, &shown] {
                if (m_.isDateField(name)) m_.fieldChanged(name, s(shown));
                m_.takeFocusOff();
            });
        }
    } else if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((money || rate) && key->key() == Qt::Key_Delete) {
            // The Delete key of a money box works as Backspace.
            QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, "\b");
            e->setCursorPosition(e->text().size());
            QApplication::sendEvent(e, &back);
            return true;
        }
        const QString text = key->text();
        if (!text.isEmpty() && (text[0].isPrint() || text[0] == '\b')) {
            if (!m_.keyAllowed(name, text[0].unicode())) return true;
            if (money || rate || (name == "Edia" && m_.variant().ediaDigitsOnly)) {
                e->deselect();
                e->setCursorPosition(e->text().size());
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ConfiguredView::showEvent(QShowEvent* event) {
    if (m_.variant().centredOnScreen && !property("centred").toBool() && screen() != nullptr) {
        move(screen()->availableGeometry().center() - QPoint(width() / 2, height() / 2));
        setProperty("centred", true);
    }
    run([this] { m_.shown(); });
    QWidget::showEvent(event);
    focusFirstControl(pages_);  // the keyboard starts on the first field, not on a button
}

void ConfiguredView::hideEvent(QHideEvent* event) {
    m_.hidden();
    QWidget::hideEvent(event);
}

void registerConfiguredViews(ViewRegistry& views) {
    for (const char* window : {"TForm7", "TForm_conftodos", "TForm_conftodosII"})
        views.add(window, [](app::App& app, app::WindowModel& m, QWidget* parent) -> QWidget* {
            return new ConfiguredView(app, static_cast<configured::ConfiguredWizard&>(m), parent);
        });
}

}  // namespace corvana::gui
