// The text of the February 1989 notice.
#include "core/savings/february_1989_notice.hpp"

namespace corvana::savings {

const std::vector<std::string>& TForm8::Memo1() {
    static const std::vector<std::string> lines = {
        "",
        "",
        "ATENÇÃO: Em 16 de janeiro de 1989 ocorreu a conversão do Cruzado para ",
        "Cruzado Novo . Alguns extratos bancários, informam os valores de janeiro em ",
        "Cruzado (Cz$) e em fevereiro, em Cruzado Novo (NCz$), com o corte de ",
        "3 zeros. Outros extratos exibem em fevereiro os valores AINDA em Cruzados. ",
        "E outros exibem tanto para janeiro como para fevereiro o valor em Cruzado Novo. ",
        "Certifique-se dos valores, uma das maneiras é tendo em mãos o extrato de ",
        "Dezembro de 1988 para comparação de valores.",
        "Só têm direito a correção contas com aniversário até 15.",
        "É aconselhavel que se junte ao processo o extrato com o saldo anterior e ",
        "posterior ao expurgo.",
    };
    return lines;
}

}  // namespace corvana::savings
