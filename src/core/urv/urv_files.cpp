// The URV backup "temp_urv.back": writing, reading back, opening a copy and saving one.
#include <algorithm>

#include "core/toolkit/comma_text.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/layout_reader.hpp"
#include "core/toolkit/text_file.hpp"
#include "core/urv/urv_wizard.hpp"

namespace corvana::urv {

using toolkit::StringGrid;

namespace {

// Reads a grid stored whole into `g`, which keeps at least `minCols` columns.
void readGrid(toolkit::LayoutReader& in, size_t total, StringGrid& g, int minCols) {
    const int rows = in.nextCount(1);
    if (total - in.position() < static_cast<size_t>(rows)) throw toolkit::LayoutReader::damaged();
    StringGrid out(std::max(minCols, 1), rows);
    out.setFixedRows(g.fixedRows());
    for (int r = 0; r < rows; ++r) {
        const std::string line = in.next();
        const auto items = toolkit::fromCommaText(line);
        if (static_cast<int>(items.size()) > out.colCount())
            out.setColCount(static_cast<int>(items.size()));
        toolkit::rowFromCommaText(out, r, line);
    }
    g = std::move(out);
}

}  // namespace

std::vector<std::string> TFurv::fileLines() const {
    std::vector<std::string> l;
    l.push_back(kVersion);
    for (const auto* s : {&Enov,  &Edez,  &Ejan,    &Efev,    &Esalpago, &Enovx,   &Edezx,
                          &Ejanx, &Efevx, &Enovurv, &Edezurv, &Ejanurv,  &Efevurv, &Enovc,
                          &Edezc, &Ejanc, &Efevc,   &Ema,     &Espago,   &Eporc,   &Datafinal})
        l.push_back(*s);
    l.push_back(toolkit::toCommaText(Memo1));
    for (const auto* s : {&dtacitacao, &Eq, &Enov93, &Edez93, &Ejan94, &Efev94, &Eprescricao})
        l.push_back(*s);
    l.push_back(toolkit::flagText(Cprescricao));
    l.push_back(toolkit::flagText(C2002));
    l.push_back(toolkit::flagText(Jurmen));
    l.push_back(toolkit::flagText(Caplijur));
    l.push_back(Ehono);
    l.push_back(toolkit::flagText(Chono));
    toolkit::addWholeGrid(l, svalores);
    if (manual_ != nullptr) {
        toolkit::addWholeGrid(l, manual_->sdia);
        l.push_back(toolkit::flagText(manual_->Cexibirdemo));
    } else {
        toolkit::addWholeGrid(l, StringGrid(3, 2));
        l.push_back("false");
    }
    l.push_back(CB1);
    l.push_back(toolkit::flagText(R22));
    l.push_back(toolkit::flagText(R19));
    l.push_back(toolkit::flagText(CEscolher));
    l.push_back(Combourv);
    l.push_back(Curv);
    l.push_back(Combourvx);
    l.push_back(Curvx);
    l.push_back(Eerroneo);
    l.push_back(toolkit::flagText(C22dtpag));
    return l;
}

void TFurv::salvarx() {
    toolkit::writeLines(backupPath(), fileLines());
}

void TFurv::readLines(const std::vector<std::string>& lines) {
    if (lines.empty() || lines.front() != kVersion)
        throw toolkit::Error("O arquivo não é um cálculo da URV");
    toolkit::LayoutReader in(lines);
    in.next();
    UrvState st = *this;
    for (auto* s :
         {&st.Enov,  &st.Edez,  &st.Ejan,    &st.Efev,    &st.Esalpago, &st.Enovx,   &st.Edezx,
          &st.Ejanx, &st.Efevx, &st.Enovurv, &st.Edezurv, &st.Ejanurv,  &st.Efevurv, &st.Enovc,
          &st.Edezc, &st.Ejanc, &st.Efevc,   &st.Ema,     &st.Espago,   &st.Eporc,   &st.Datafinal})
        *s = in.next();
    st.Memo1 = toolkit::fromCommaText(in.next());
    for (auto* s :
         {&st.dtacitacao, &st.Eq, &st.Enov93, &st.Edez93, &st.Ejan94, &st.Efev94, &st.Eprescricao})
        *s = in.next();
    st.Cprescricao = in.nextFlag();
    st.C2002 = in.nextFlag();
    st.Jurmen = in.nextFlag();
    st.Caplijur = in.nextFlag();
    st.Ehono = in.next();
    st.Chono = in.nextFlag();
    readGrid(in, lines.size(), st.svalores, 2);
    StringGrid sdia(3, 2);
    readGrid(in, lines.size(), sdia, 3);
    const bool demo = in.nextFlag();
    st.CB1 = in.next();
    st.R22 = in.nextFlag();
    st.R19 = in.nextFlag();
    st.CEscolher = in.nextFlag();
    st.Combourv = in.next();
    st.Curv = in.next();
    st.Combourvx = in.next();
    st.Curvx = in.next();
    st.Eerroneo = in.next();
    st.C22dtpag = in.nextFlag();
    st.svalores.setColCount(2);
    // The difference grid is not stored: it takes the month list of `svalores`.
    st.surv = StringGrid(8, st.svalores.rowCount());
    for (int r = 1; r < st.svalores.rowCount(); ++r) st.surv.setCell(0, r, st.svalores.cell(0, r));
    if (st.svalores.cell(0, 0) == "Data") {
        const char* heads[] = {"Data",      "Remuneração",    "Porcentagem",
                               "Diferença", "Atualização",    "Diferença atualizada",
                               "Juros",     "Valor dos juros"};
        for (int c = 0; c < 8; ++c) st.surv.setCell(c, 0, heads[c]);
    }
    st.listsEnabled = st.CEscolher;
    st.EprescricaoEnabled = !st.Cprescricao;
    st.svaloresRow = 1;
    st.Edit1.clear();
    st.Edit2.clear();
    st.averageNote.clear();
    // Everything was read: the window takes it, and the wizard starts again at its first page.
    static_cast<UrvState&>(*this) = st;
    page = 0;
    anteriorEnabled = false;
    proximoEnabled = true;
    finalizarEnabled = false;
    if (manual_ != nullptr) {
        manual_->sdia = std::move(sdia);
        manual_->Cexibirdemo = demo;
        manual_->row = 1;
    }
    ctx_.reloadIndice(CB1 + ".tab");
    checkSampleTables();
}

void TFurv::Abrir(const std::optional<std::filesystem::path>& file) {
    const auto chosen = file ? file : ctx_.ui->chooseOpenFile(kFilter, kExt);
    if (!chosen) return;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(*chosen, ec))
        throw toolkit::Error("O arquivo " + urv::quoted(chosen->filename().string()) +
                             " não foi encontrado");
    readLines(toolkit::readLines(*chosen));
}

void TFurv::AbrirBackup() {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(backupPath(), ec)) return;
    readLines(toolkit::readLines(backupPath()));
}

void TFurv::Salvar() {
    salvarx();
    const auto target = ctx_.ui->chooseSaveFile(kFilter, kExt);
    if (!target) return;
    try {
        toolkit::writeFileAtomic(*target, toolkit::readFileBytes(backupPath()));
    } catch (const toolkit::Error&) {
        ctx_.ui->showMessage("Erro ao copiar " +
                             std::filesystem::path(backupPath()).make_preferred().string() +
                             " para " + target->string());
    }
}

}  // namespace corvana::urv
