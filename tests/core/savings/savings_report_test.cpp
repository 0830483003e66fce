// The savings report document: its notes, table, interest and total lines.
#include <gtest/gtest.h>

#include <algorithm>

#include "savings_fixture.hpp"

using namespace corvana;
using corvana::testing::SavingsFixture;
using corvana::testing::writeIndexTable;

namespace {

bool contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}
size_t indexOf(const std::vector<std::string>& lines, const std::string& line) {
    return static_cast<size_t>(std::find(lines.begin(), lines.end(), line) - lines.begin());
}

struct Report : SavingsFixture {
    explicit Report(bool notes = true) {
        writeIndexTable(dir.path(), "01/1987", 30);
        loadTable();
        setPlans({{"Plano Verão", "01/1989", "20,37", "1000", "Cz$", "LFT", "22,35", "IPC", "42,72",
                   "NCz$"}});
        form2.Cnotas = notes;
        form2.Memo1 = {"Autos 1/2000"};
        form2.Memo2 = {"Fim"};
        ctx.Cfont = "10";
        ctx.Cnomefont = "Times New Roman";
        choose({0}, "03/1989");
        EXPECT_TRUE(nextTo(1));
        form2.SSaldo.setCell(3, 1, "5");
        form2.SSaldo.setCell(4, 1, "100.000,00");
        EXPECT_TRUE(nextTo(6));
        form2.SpeedButton3Click();
    }
};

TEST(Relatorio, DocumentLinesInOrder) {
    Report f;
    const auto re = f.form2.reportLines();
    const std::string span = "<span style=\"font-size:10.0pt;font-family:Times New Roman\">";
    const std::vector<std::string> head = {
        "<html><head>", "<title>Atualização</title>", "</head>", "<body>", span,
        "<tr><td><div align=Justify><p><b>Autos 1/2000</b></p></div></td></tr>", "</spam>", span,
        "<tr><td> Tabela: Poupança Diária </td></tr>", "",
        "<p><tr><td>Plano Verão - saldo em conta em 5/01/1989 = <b>Cz$100.000,00</b></td></tr>",
        "<p><tr><td> Percentual de correção monetária com base na variação da LFT para 01/1989: "
        "22,35. </td></tr>",
        "<p><tr><td> Variação com base no IPC para 02/1989: 42,72 </td></tr>",
        "<p><tr><td> 22,35 + 0,5% de juros = 22,9618% </td></tr>",
        "<p><tr><td> 42,72 + 0,5% de juros = 43,4336% </td></tr>",
        "<p><tr><td> 43,4336% - 22,9618% = <b>20,4719%</b> </td></tr>",
        "<p><tr><td> Valor faltante em conta em 02/1989 = 100.000,00X 20,3700% : 1000 = <b>NCz$ "
        "20,37</b></td></tr>",
        "</span>", "<tr><td><p>&nbsp;</p></td></tr>", "<tr><td><p>&nbsp;</p></td></tr>",
        "<tr><td><b> Valor em conta em 01/1989 = Cz$100.000,00</b></td></tr>",
        "<tr><td><b> Diferença faltante em conta no mês seguinte em % = 20,3700</b></td></tr>",
        "<p>&nbsp;</p>", "</span></table>", "<body>",
        "<table border =0 span style=\"font-size:10.0pt;font-family:Times New Roman\">", "", "<tr>",
        "<td><div align=Right>Moeda do inicio do período de rendimento</div></td><td><div "
        "align=Right>Período de Rendimento</div></td><td><div align=Right>Rendimento "
        "(%)</div></td><td><div align=Right>Moeda do inicio do mês de crédito em "
        "conta</div></td><td><div align=Right>Mês do crédito em conta</div></td><td><div "
        "align=Right>Valor corrigido a partir da base de cálculo</div></td><td><div "
        "align=Right></div></td><td><div align=Right>Valor</div></td>",
        "</tr>",
        // Every data row's amortisation cell ("-" in row 1, "0" after) adds an empty line.
        "", "<tr>",
        "<td><div align=Right></div></td><td><div align=Right></div></td><td><div "
        "align=Right></div></td><td><div align=Right>Cz$</div></td><td><div "
        "align=Right>02/1989</div></td><td><div align=Right>20,37</div></td><td><div "
        "align=Right></div></td><td><div align=Right>20,37</div></td>",
        "</tr>", "", "<tr>",
        "<td><div align=Right>Cz$</div></td><td><div align=Right>02/1989</div></td><td><div "
        "align=Right>1</div></td><td><div align=Right>Cz$</div></td><td><div "
        "align=Right>03/1989</div></td><td><div align=Right>20,57</div></td><td><div "
        "align=Right></div></td><td><div align=Right>20,57</div></td>",
        "</tr>", "", "<tr>",
        "<td><div align=Right><b>Cz$</b></div></td><td><div align=Right><b>03/1989</b></div></td>"
        "<td><div align=Right><b>1</b></div></td><td><div align=Right><b>Cz$</b></div></td><td><div "
        "align=Right><b></b></div></td><td><div align=Right><b>20,78</b></div></td><td><div "
        "align=Right><b></b></div></td><td><div align=Right><b></b></div></td>",
        "</tr>", "</table>", span, "<p>&nbsp;</p>", "<div align=\"Center\">", "<Center>",
        "<b>TOTAL = 20,78</b>", "<p>&nbsp;</p>", "</Center>", "</div>", "<p>&nbsp;</p>", span,
        "<tr><td><div align=Justify>Fim</div></td></tr>", "</span>",
        // The table is not listed in a fontes.tab: a sample.
        "<p class=\"fontes\">Índices: poupanca13.tab — origem não registrada em fontes.tab, até " +
            f.ctx.indice.cell(0, f.ctx.indice.rowCount() - 1) +
            " — TABELA DE EXEMPLO — valores fictícios, não usar em juízo.</p>",
        "</body></html>"};
    EXPECT_EQ(re, head);
}

TEST(Relatorio, WithoutNotesGoesStraightToTheEmptyParagraphs) {
    Report f(false);
    const auto re = f.form2.reportLines();
    const size_t spam = indexOf(re, "</spam>");
    ASSERT_LT(spam + 1, re.size());
    EXPECT_EQ(re[spam + 1], "<tr><td><p>&nbsp;</p></td></tr>");
    EXPECT_FALSE(contains(re, "<tr><td> Tabela: Poupança Diária </td></tr>"));
}

TEST(Relatorio, InterestTotalLine) {
    SavingsFixture f;
    auto& p = f.form2.planilha;
    p.setRowCount(3);
    p.setCell(5, 2, "1.000,00");
    auto& st = f.form2.STJuros;
    st.setColCount(4);
    st.setRowCount(3);
    st.setRow(1, {"01/01/2000", "01/06/2000", "1", "5,0000"});
    st.setRow(2, {"", "", "Total", "5,00"});
    const auto re = f.form2.reportLines();
    EXPECT_TRUE(contains(re, "<b>TOTAL = 1.000,00 X 5,00% = 1.050,00</b>"));
    EXPECT_TRUE(contains(re, "<b>JUROS</b>"));
    EXPECT_TRUE(contains(re, "<td><div align=Right></div></td><td><div align=Right></div></td><td>"
                             "<div align=Right>Total</div></td><td><div align=Right>5,00</div></td>"));
    // No header text: no header row.
    EXPECT_EQ(re[5], "</spam>");
}

TEST(Relatorio, InterestStatementFormUsesTheSplitTable) {
    SavingsFixture f;
    writeIndexTable(f.dir.path(), "01/1987", 30);
    f.loadTable();
    f.setPlans({{"Plano Bresser", "06/1987", "8,04", "", "Cz$", "", "", "", "", ""},
                {"Plano Verão", "01/1989", "20,37", "", "Cz$", "", "", "", "", ""}});
    f.form2.RtrClick();
    f.choose({0, 1}, "03/1989");
    ASSERT_TRUE(f.nextTo(1));
    f.form2.SSaldo.setCell(4, 1, "1.000,00");
    f.form2.SSaldo.setCell(4, 2, "1.000,00");
    f.form2.amortizacao.setCell(1, 2, "Pago");
    f.form2.amortizacao.setCell(2, 2, "1,00");
    ASSERT_TRUE(f.nextTo(6));
    f.form2.SpeedButton3Click();
    ASSERT_TRUE(std::filesystem::exists(f.dir / "teste2.html"));
    const auto re = f.form2.reportLines();
    const auto& t = f.form2.planilha2;
    const int last = t.rowCount() - 1;
    EXPECT_TRUE(contains(re, "<b>TOTAL = " + t.cell(7, last) + "</b>"));
    EXPECT_TRUE(contains(re, "<td><td><td><td><td>08/1987<td><td><div align=Left>Pago</div><td><div "
                             "align=Right>-1,00</div></td></td></td></td></td></td></td></td></tr>"));
    EXPECT_TRUE(contains(re, "<td><td><td><td><td><td><td><b><div align=Left>Adição - diferença "
                             "faltante em conta em 02/1989 referente ao plano Plano Verão</div></b>"
                             "<td><b><div align=Right>203,70</div></b></td></td></td></td></td></td>"
                             "</td></td></tr>"));
    // Ten columns per row: the index part and "0,5%" after the yield month.
    const size_t header = indexOf(re, "</table>");
    ASSERT_LT(header, re.size());
    EXPECT_NE(std::find_if(re.begin(), re.end(),
                           [](const std::string& l) {
                               return l.find("<td><div align=Right>Indexador</div></td><td><div "
                                             "align=Right>Juros Remuneratórios</div></td>") !=
                                      std::string::npos;
                           }),
              re.end());
}

}  // namespace

namespace {

TEST(Relatorio, FileAndGridTextIsEscapedButHeaderAndFooterAreNot) {
    SavingsFixture f;
    writeIndexTable(f.dir.path(), "01/1987", 30);
    f.loadTable();
    f.setPlans({{"Plano <b>Verão</b>", "01/1989", "20,37", "1000", "Cz$", "LFT & <i>", "22,35", "IPC",
                 "42,72", "NCz$"}});
    f.form2.Cnotas = true;
    f.form2.Memo1 = {"<i>Autos</i> 1/2000"};
    f.form2.Memo2 = {"<u>Fim</u>"};
    f.choose({0}, "03/1989");
    ASSERT_TRUE(f.nextTo(1));
    f.form2.SSaldo.setCell(3, 1, "5");
    f.form2.SSaldo.setCell(4, 1, "100.000,00");
    ASSERT_TRUE(f.nextTo(3));
    f.form2.amortizacao.setRow(1, {"02/1989", "<script>alert(1)</script>", "1,00"});
    ASSERT_TRUE(f.nextTo(6));
    const auto re = f.form2.reportLines();
    std::string all;
    for (const auto& l : re) all += l + "\n";
    EXPECT_EQ(all.find("<script>"), std::string::npos);
    EXPECT_NE(all.find("&lt;script&gt;alert(1)&lt;/script&gt;"), std::string::npos);
    EXPECT_EQ(all.find("<b>Verão</b>"), std::string::npos);
    EXPECT_NE(all.find("Plano &lt;b&gt;Verão&lt;/b&gt; - saldo em conta"), std::string::npos);
    EXPECT_NE(all.find("variação da LFT &amp; &lt;i&gt; para"), std::string::npos);
    // The user's own templates keep their markup.
    EXPECT_NE(all.find("<b><i>Autos</i> 1/2000</b>"), std::string::npos);
    EXPECT_NE(all.find("<div align=Justify><u>Fim</u></div>"), std::string::npos);
}

}  // namespace
