// The TJSP "Tabela Prática" read from its PDF: the same 736 factors as the official folder's CSV,
// with the tables that derive from them; a PDF that is not the table changes nothing.
#include <gtest/gtest.h>

#include "core/tables/converter.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "pdf/pdf_words.hpp"
#include "test_support.hpp"

using namespace corvana;
using namespace corvana::testing;

namespace {

const std::filesystem::path kOfficial =
    std::filesystem::path(CORVANA_SAMPLE_DATA).parent_path() / "oficial";

TEST(TjspPdf, ImportReadsEveryFactorOfThePrintedTable) {
    TempDir dir;
    const auto result = tables::importSeries(
        dir.path(), "tjsp", kOfficial / "tjsp_TabelaDebitosJudiciais_ed2026-01.pdf",
        pdf::readWords);
    EXPECT_EQ(result.written, (std::vector<std::string>{"t0001.tab", "tjsp.tab",
                                                        "Tribunal de Justiça São Paulo (mensal).tab",
                                                        "fontes.tab"}));
    const auto fromCsv = tables::readExport(
        readBytes(kOfficial / "tjsp_tabela_pratica_ed2026-01.csv"), {}, "tjsp.csv");
    toolkit::StringGrid g(1, 0);
    toolkit::LoadFromFile(dir / "t0001.tab", g);
    ASSERT_EQ(g.rowCount(), 737);
    for (int r = 1; r < g.rowCount(); ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(g.cell(0, r), fromCsv[r - 1].key);
        EXPECT_EQ(g.cell(1, r), fromCsv[r - 1].value);  // the printed digits, truncated cells too
    }
    EXPECT_EQ(g.row(1), (std::vector<std::string>{"10/1964", "10000,00", "Cr$"}));
    EXPECT_EQ(g.row(736), (std::vector<std::string>{"01/2026", "101,977695", "R$"}));
    // Importing the same edition again changes no month.
    EXPECT_TRUE(tables::importSeries(dir.path(), "tjsp",
                                     kOfficial / "tjsp_TabelaDebitosJudiciais_ed2026-01.pdf",
                                     pdf::readWords)
                    .changes.empty());
}

TEST(TjspPdf, APdfThatIsNotTheTableIsRefused) {
    TempDir dir;
    // A one-page PDF with a line of text and no table.
    const std::string body = "BT /F1 12 Tf 72 720 Td (Tabela de exemplo 2026) Tj ET";
    std::string pdf = "%PDF-1.4\n";
    std::vector<size_t> offsets;
    auto obj = [&](const std::string& text) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(offsets.size()) + " 0 obj\n" + text + "\nendobj\n";
    };
    obj("<< /Type /Catalog /Pages 2 0 R >>");
    obj("<< /Type /Pages /Kids [3 0 R] /Count 1 >>");
    obj("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents 4 0 R "
        "/Resources << /Font << /F1 5 0 R >> >> >>");
    obj("<< /Length " + std::to_string(body.size()) + " >>\nstream\n" + body + "\nendstream");
    obj("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>");
    const size_t xref = pdf.size();
    pdf += "xref\n0 6\n0000000000 65535 f \n";
    for (const size_t o : offsets) {
        char line[32];
        std::snprintf(line, sizeof line, "%010zu 00000 n \n", o);
        pdf += line;
    }
    pdf += "trailer\n<< /Size 6 /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    writeBytes(dir / "outro.pdf", pdf);
    writeBytes(dir / "quebrado.pdf", "%PDF-1.4\nnada aqui\n");
    for (const char* name : {"outro.pdf", "quebrado.pdf"}) {
        SCOPED_TRACE(name);
        EXPECT_THROW(tables::importSeries(dir.path(), "tjsp", dir / name, pdf::readWords),
                     tables::ImportError);
        EXPECT_FALSE(std::filesystem::exists(dir / "t0001.tab"));
        EXPECT_FALSE(std::filesystem::exists(dir / "fontes.tab"));
    }
}

}  // namespace
