// Calculation files of the FGTS revision: "Vers 1.7" written, "Vers 1.3" to "Vers 1.7" read,
// the backup "temp_jfgtsdif.back" and its copies ".fgtsd".
#include <algorithm>

#include "core/fgts/fgts_revision.hpp"
#include "core/toolkit/comma_text.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "core/toolkit/layout_reader.hpp"
#include "core/toolkit/text_file.hpp"
#include "core/urv/urv_text.hpp"

namespace corvana::fgts {

using toolkit::StringGrid;

namespace {

// A row count (its fraction cut off), then exactly that many rows from row 0. A count that is
// not a number, or rows missing from the file, refuse the file.
void readRows(toolkit::LayoutReader& in, const std::vector<std::string>& lines, StringGrid& g) {
    const std::string count = in.next();
    if (!urv::has(count)) throw toolkit::LayoutReader::damaged();
    const toolkit::Real n = urv::N(count);
    if (!(n >= 1) || n > 100000) throw toolkit::LayoutReader::damaged();
    const int rows = static_cast<int>(n);
    if (lines.size() - in.position() < static_cast<size_t>(rows))
        throw toolkit::LayoutReader::damaged();
    g.setRowCount(rows);
    for (int r = 0; r < rows; ++r) toolkit::rowFromCommaText(g, r, in.next());
}

bool isFile(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::is_regular_file(p, ec);
}

const std::vector<std::string> kVersions = {"Vers 1.3", "Vers 1.4", "Vers 1.5", "Vers 1.6",
                                            "Vers 1.7"};

}  // namespace

std::vector<std::string> TFFGTSdif::fileLines() const {
    std::vector<std::string> lines;
    lines.push_back("Vers 1.7");
    lines.push_back(ComboBox1);
    lines.push_back(ComboBox2);
    lines.push_back(toolkit::toCommaText(Memo1));
    lines.push_back(dtacitacao);
    lines.push_back(Eq);
    lines.push_back(Ctaxa);
    lines.push_back(toolkit::flagText(C2002));
    lines.push_back(toolkit::flagText(Jurmen));
    lines.push_back(toolkit::flagText(Caplijur));
    lines.push_back(Ehono);
    lines.push_back(toolkit::flagText(Chono));
    toolkit::addWholeGrid(lines, sfgts);
    if (manual_ != nullptr) {
        toolkit::addWholeGrid(lines, manual_->sdia);
        lines.push_back(toolkit::flagText(manual_->Cexibirdemo));
    } else {
        toolkit::addWholeGrid(lines, StringGrid(4, 1));
        lines.push_back("false");
    }
    lines.push_back(toolkit::flagText(RJan));
    lines.push_back(toolkit::flagText(Rfev));
    return lines;
}

void TFFGTSdif::salvarx() {
    toolkit::writeLines(backupPath(), fileLines());
}

void TFFGTSdif::writeBackupAndReport() {
    // One pair: a failed or interrupted write never leaves a new report beside an old backup,
    // and the folder is flushed once for both.
    std::vector<toolkit::FileContents> files;
    files.push_back({backupPath(), toolkit::encodeLines(fileLines())});
    files.push_back({reportPath(), toolkit::encodeLines(reportLines())});
    toolkit::writeFilesAtomic(files);
}

bool TFFGTSdif::readFile(const std::vector<std::string>& lines, bool abrir) {
    const std::string tag = lines.empty() ? std::string() : lines.front();
    const auto it = std::find(kVersions.begin(), kVersions.end(), tag);
    if (it == kVersions.end()) return false;
    const int v = static_cast<int>(it - kVersions.begin()) + 3;  // 3 … 7
    guarded([&] {
        if (abrir && v <= 4) {
            const auto old = ctx_.file("fgtsdif.tab");
            if (isFile(old)) {
                toolkit::LoadFromFile(old, sfgts);
                toolkit::LoadFromFile(old, svalores);
                svalores.setColCount(4);
            }
        }
        const StringGrid before = svalores;
        toolkit::LayoutReader in(lines);
        in.next();  // the version
        ComboBox1 = in.next();
        if (v >= 4) ComboBox2 = in.next();
        Memo1 = toolkit::fromCommaText(in.next());
        dtacitacao = in.next();
        Eq = in.next();
        Ctaxa = in.next();
        if (v >= 4) {
            C2002 = in.nextFlag();
            Jurmen = in.nextFlag();
        }
        Caplijur = in.nextFlag();
        Ehono = in.next();
        Chono = in.nextFlag();
        readRows(in, lines, sfgts);
        sfgts.setColCount(13);
        svalores.setRowCount(sfgts.rowCount());
        for (int r = 1; r < sfgts.rowCount(); ++r) {
            // The input rows follow the rows read: credit date, the deposit date the table had
            // for that credit, then the amounts.
            const bool same = r < before.rowCount() && before.cell(0, r) == sfgts.cell(0, r);
            svalores.setCell(0, r, sfgts.cell(0, r));
            svalores.setCell(1, r, same ? before.cell(1, r) : std::string());
            svalores.setCell(2, r, sfgts.cell(2, r));
            svalores.setCell(3, r, sfgts.cell(3, r));
        }
        if (v >= 6) {
            StringGrid sdia = manual_ != nullptr ? manual_->sdia : StringGrid(4, 2);
            readRows(in, lines, sdia);
            const bool demo = in.nextFlag();
            if (manual_ != nullptr) {
                manual_->sdia = std::move(sdia);
                manual_->Cexibirdemo = demo;
                manual_->row = 1;
            }
        }
        if (v >= 7) {
            RJan = in.nextFlag();
            Rfev = in.nextFlag();
        }
        ComboBox1Items.clear();
        ComboBox2Items.clear();
        for (int r = 1; r < sfgts.rowCount(); ++r) ComboBox1Items.push_back(sfgts.cell(0, r));
        for (int r = 1; r < svalores.rowCount(); ++r) ComboBox2Items.push_back(svalores.cell(0, r));
        tables = RevisionTables::File;
        indexTables.clear();
        tabelaExemplo = false;
        sfgtsRow = svaloresRow = 1;
        // The file does not name its index; the header of the index column does.
        Label7 = sfgts.cell(10, 0).find("IPCA-E") != std::string::npos ? "Cálculo baseado em IPCA-E"
                                                                       : "Cálculo baseado em INPC";
    });
    return true;
}

void TFFGTSdif::AbrirClick(const std::optional<std::filesystem::path>& file) {
    const auto chosen = file ? file : ctx_.ui->chooseOpenFile(kFilter, kExt);
    if (!chosen) return;
    if (!readFile(toolkit::readLines(*chosen), true))
        ctx_.ui->showMessage(
            "Este arquivo não é um cálculo das Diferenças do FGTS (Vers 1.3 a Vers 1.7)");
}

void TFFGTSdif::AbrirBackupClick() {
    const auto path = backupPath();
    if (!isFile(path)) return;
    if (!readFile(toolkit::readLines(path), false))
        ctx_.ui->showMessage(
            "Este arquivo não é um cálculo das Diferenças do FGTS (Vers 1.3 a Vers 1.7)");
}

void TFFGTSdif::SalvarClick() {
    salvarx();
    const auto source = backupPath();
    if (!isFile(source)) return;
    const auto target = ctx_.ui->chooseSaveFile(kFilter, kExt);
    if (!target) return;
    try {
        toolkit::writeFileAtomic(*target, toolkit::readFileBytes(source));
    } catch (const toolkit::Error&) {
        ctx_.ui->showMessage("Erro ao copiar " +
                             std::filesystem::path(source).make_preferred().string() + " para " +
                             target->string());
    }
}

}  // namespace corvana::fgts
