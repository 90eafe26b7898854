// The help texts. Every topic lives here and nowhere else; the command list's lines are the command
// table's own and come from it.
#include "help/helptopics.h"

namespace calvorin {

namespace {

std::vector<CommandHelp>& commandList() {
    static std::vector<CommandHelp> list;
    return list;
}

QStringList commandWords() {
    QStringList words;
    for (const CommandHelp& c : commandList())
        words += c.words;
    return words;
}

QString commandsPage() {
    QString rows;
    for (const CommandHelp& c : commandList()) {
        QStringList words;
        for (const QString& w : c.words)
            words << "<b>" + w.toHtmlEscaped() + "</b>";
        rows += "<tr><td>" + words.join(", ") + "</td><td>" + c.text + "</td></tr>";
    }
    return QStringLiteral(
               "<p>Os comandos da linguagem Korvanta podem ser digitados no interpretador de comandos "
               "(menu Sistema, &quot;Interpretador de comandos&quot;, ou Ctrl+I) ou escritos no script de "
               "inicialização <i>autoexec.cv1</i>, um comando por linha.</p>"
               "<p>A linha inteira é o comando: não pode haver espaços antes nem depois. No script as letras "
               "devem estar em minúsculas; no interpretador as letras de A a Z são passadas para minúsculas, "
               "mas as acentuadas não (escreva <b>versão</b>, não VERSÃO).</p>"
               "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">"
               "<tr><th>Comando</th><th>O que faz</th></tr>") +
           rows + QStringLiteral("</table>");
}

std::vector<HelpTopic> makeTopics() {
    std::vector<HelpTopic> topics;
    topics.push_back(
        {"korvanta",
         "A linguagem Korvanta",
         {"Korvanta", "script", "autoexec.cv1", "interpretador de comandos", "linguagem"},
         QStringLiteral("<p><b>Korvanta</b> é a linguagem de comandos do Calvorin. Cada comando é uma "
                        "palavra numa linha: abre uma janela, escreve uma pequena lista, limpa o "
                        "interpretador, começa um relatório ou fecha o programa. Não há variáveis nem "
                        "argumentos.</p>"
                        "<h3>O interpretador de comandos</h3>"
                        "<p>Abra-o pelo menu Sistema, &quot;Interpretador de comandos&quot; (Ctrl+I), ou "
                        "pelo link da janela principal. Digite o comando e pressione Enter ou "
                        "&quot;Executar&quot;. O menu Comandos tem a lista de comandos (F1) e o último "
                        "comando (Ctrl+Z), que devolve ao campo a linha executada por último.</p>"
                        "<h3>O script de inicialização</h3>"
                        "<p>Se a pasta de trabalho tiver um arquivo <i>autoexec.cv1</i>, o Calvorin executa "
                        "as suas linhas, uma por uma, quando a janela principal aparece. Assim você pode "
                        "abrir as janelas que mais usa, começar um relatório ou dispensar a janela de "
                        "créditos com <b>nosplash</b>. Exemplo:</p>"
                        "<pre>nosplash\ncalc\ngraf</pre>"
                        "<p>No script os comandos precisam estar exatamente como na lista, em minúsculas. "
                        "Linhas vazias e linhas que não são comandos são ignoradas. Edite o script pelo "
                        "menu Sistema, &quot;Inicialização do programa&quot;, &quot;Editar script de "
                        "inicialização&quot;; o botão Preview executa o texto do editor na hora.</p>"
                        "<p>Veja também a <a href=\"comandos\">lista de comandos</a>.</p>")});
    topics.push_back({"comandos", "Lista de comandos", commandWords() << "comandos", commandsPage()});
    topics.push_back(
        {"calculadora",
         "Usando a calculadora",
         {"calculadora", "expressão personalizada", "memória", "raiz", "potência", "logaritmo"},
         QStringLiteral(
             "<p>A calculadora funciona como uma calculadora de bolso: digite um número com as teclas, "
             "escolha a operação (+, -, *, / ou X^Y), digite o segundo número e pressione <b>=</b>. "
             "Pressionando <b>=</b> de novo, a mesma operação é repetida sobre o resultado.</p>"
             "<p>Há também logaritmo (Log), raiz quadrada, raiz com outro expoente (escolha o expoente no "
             "campo ao lado), o valor de Pi, inversão do sinal e uma memória (Guardar na memória / Colar da "
             "memória). <b>CE</b> limpa o visor. Os botões Copiar e Colar usam a área de "
             "transferência.</p>"
             "<h3>Expressão personalizada</h3>"
             "<p>Marque &quot;Expressão personalizada&quot;, digite uma expressão inteira no visor e "
             "pressione <b>=</b>. Exemplos: <tt>2^10</tt>, <tt>(1+2)*3</tt>, <tt>SQRT(2)/2</tt>. Na "
             "expressão o ponto separa os decimais (<tt>2.5*2</tt>); são aceitos os operadores + - * / ^ e "
             "MOD, parênteses e as funções ABS, ATAN, COS, EXP, LN, ROUND, SIN, SQRT, SQR e TRUNC. Uma "
             "expressão inválida mostra &quot;Erro na expressão&quot;.</p>"
             "<p>Enquanto um relatório está sendo gerado, as contas da calculadora são anotadas nele.</p>")});
    topics.push_back(
        {"novidades",
         "Novidades da versão 2.1",
         {"novidades", "versão 2.1", "novo"},
         QStringLiteral("<ul>"
                        "<li><b>Korvanta</b>, a linguagem de comandos do Calvorin, com o script de "
                        "inicialização <i>autoexec.cv1</i> e o seu editor.</li>"
                        "<li>Interpretador de comandos.</li>"
                        "<li>Maior integração com a área de transferência: os resultados podem ser copiados "
                        "com o botão Copiar.</li>"
                        "<li>Interface gráfica mais madura.</li>"
                        "<li>Cálculo de Máximo Divisor Comum.</li>"
                        "<li>Soma dos ângulos internos de um polígono.</li>"
                        "<li>Conversor de velocidades (Km/h/Metro/seg).</li>"
                        "<li>Número de diagonais de um polígono.</li>"
                        "<li>Melhorias na calculadora, com o modo de <a href=\"calculadora\">expressão "
                        "personalizada</a>.</li>"
                        "<li>Distância entre um ponto e uma reta.</li>"
                        "<li>Ajuda integrada: esta ajuda.</li>"
                        "</ul>")});
    return topics;
}

std::vector<HelpTopic>& topics() {
    static std::vector<HelpTopic> topics = makeTopics();
    return topics;
}

} // namespace

void setCommandHelp(std::vector<CommandHelp> commands) {
    commandList() = std::move(commands);
    topics() = makeTopics();
}

const std::vector<HelpTopic>& helpTopics() {
    return topics();
}

const HelpTopic* findHelpTopic(const QString& id) {
    for (const HelpTopic& t : helpTopics())
        if (t.id.compare(id, Qt::CaseInsensitive) == 0) return &t;
    return nullptr;
}

} // namespace calvorin
