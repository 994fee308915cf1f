#include "editor/symbols.h"


namespace {

struct Raw {
    int id;
    const char *text;
    const char *glyph;
    bool group = false;
    const char *prompt = nullptr;
};

QList<SymbolCommand> make(std::initializer_list<Raw> raws)
{
    QList<SymbolCommand> out;
    for (const Raw &r : raws) {
        const QString text = QString::fromUtf8(r.text);
        out.append({r.id, text, r.prompt ? QString::fromUtf8(r.prompt) : text.trimmed(), QString::fromUtf8(r.glyph),
                    r.group});
    }
    return out;
}

const QList<SymbolBar> &table()
{
    static const QList<SymbolBar> bars = {
        {845, 32783, QStringLiteral("P&feile"), QStringLiteral("Blendet die Pfeil-Leiste ein oder aus."),
         make({{32784, "\\leftarrow ", "←"}, {32786, "\\longleftarrow ", "⟵"}, {32785, "\\Leftarrow ", "⇐"},
               {32787, "\\Longleftarrow ", "⟸"}, {32788, "\\rightarrow ", "→", true}, {32790, "\\longrightarrow ", "⟶"},
               {32789, "\\Rightarrow ", "⇒"}, {32791, "\\Longrightarrow ", "⟹"},
               {32792, "\\leftrightarrow ", "↔", true}, {32793, "\\longleftrightarrow ", "⟷"},
               {32794, "\\Leftrightarrow ", "⇔"}, {32795, "\\Longleftrightarrow ", "⟺"},
               {32796, "\\uparrow ", "↑", true}, {32797, "\\Uparrow ", "⇑"}, {32798, "\\downarrow ", "↓"},
               {32799, "\\Downarrow ", "⇓"}, {32800, "\\updownarrow ", "↕"}, {32801, "\\Updownarrow ", "⇕"},
               {32802, "\\nearrow ", "↗", true}, {32803, "\\searrow ", "↘"}, {32804, "\\swarrow ", "↙"},
               {32805, "\\nwarrow ", "↖"}, {32806, "\\mapsto ", "↦", true}, {32807, "\\longmapsto ", "⟼"},
               {32808, "\\hookleftarrow ", "↩"}, {32809, "\\hookrightarrow ", "↪"},
               {32810, "\\leftharpoonup ", "↼", true}, {32811, "\\leftharpoondown ", "↽"},
               {32812, "\\rightharpoonup ", "⇀"}, {32813, "\\rightharpoondown ", "⇁"},
               {32814, "\\rightleftharpoons ", "⇌"}})},
        {847, 32817, QString::fromUtf8("&Binäre Operatoren"),
         QString::fromUtf8("Blendet die 'binäre Operatoren'-Leiste ein oder aus."),
         make({{32816, "\\pm ", "±"}, {32818, "\\mp ", "∓"}, {32819, "\\cdot ", "⋅"}, {32820, "\\times ", "×"},
               {32821, "\\ast ", "∗"}, {32822, "\\star ", "⋆"}, {32823, "\\setminus ", "∖"},
               {32824, "\\div ", "÷", false, "\\dvi"}, {32825, "\\diamond ", "⋄"}, {32826, "\\wr ", "≀"},
               {32838, "\\circ ", "∘"}, {32839, "\\bullet ", "∙"}, {32840, "\\cap ", "∩"}, {32841, "\\cup ", "∪"},
               {32844, "\\sqcap ", "⊓"}, {32843, "\\sqcup", "⊔"}, {32842, "\\uplus ", "⊎"}, {32856, "\\amalg ", "⨿"},
               {32845, "\\triangleleft ", "◃"}, {32846, "\\triangleright ", "▹"}, {32858, "\\bigtriangleup ", "△"},
               {32859, "\\bigtriangledown ", "▽"}, {32847, "\\vee ", "∨"}, {32848, "\\wedge ", "∧"},
               {32849, "\\oplus ", "⊕"}, {32850, "\\ominus ", "⊖"}, {32851, "\\otimes ", "⊗"},
               {32852, "\\oslash ", "⊘"}, {32853, "\\odot ", "⊙"}, {32857, "\\bigcirc ", "○"},
               {32854, "\\dagger ", "†"}, {32855, "\\ddagger ", "‡"}})},
        {848, 32837, QStringLiteral("&Akzente"), QStringLiteral("Blendet die Akzente-Leiste ein oder aus."),
         make({{32827, "\\hat ", "â"}, {32832, "\\check ", "ǎ"}, {32829, "\\grave ", "à"}, {32833, "\\acute ", "á"},
               {32834, "\\dot ", "ȧ"}, {32830, "\\ddot ", "ä"}, {32828, "\\tilde ", "ã"}, {32835, "\\breve ", "ă"},
               {32831, "\\bar ", "ā"}, {32836, "\\vec ", "a⃗"}})},
        {849, 32897, QStringLiteral("&Relationen"), QStringLiteral("Blendet die Relationen-Leiste ein oder aus."),
         make({{32896, "\\not", "/"}, {32860, "\\leq ", "≤", true}, {32861, "\\geq ", "≥"}, {32862, "\\prec ", "≺"},
               {32863, "\\succ ", "≻"}, {32864, "\\preceq ", "⪯"}, {32865, "\\succeq ", "⪰"}, {32866, "\\ll ", "≪"},
               {32898, "\\gg ", "≫"}, {32868, "\\subset ", "⊂"}, {32869, "\\supset ", "⊃"},
               {32870, "\\subseteq ", "⊆"}, {32871, "\\supseteq ", "⊇"}, {32882, "\\sqsubset ", "⊏"},
               {32883, "\\sqsupset ", "⊐"}, {32872, "\\sqsubseteq ", "⊑"}, {32873, "\\sqsupseteq ", "⊒"},
               {32874, "\\in ", "∈"}, {32875, "\\ni ", "∋"}, {32876, "\\vdash ", "⊢"}, {32877, "\\dashv ", "⊣"},
               {32878, "\\smile ", "⌣"}, {32879, "\\frown ", "⌢"}, {32880, "\\mid ", "∣"},
               {32881, "\\parallel ", "∥"}, {32884, "\\equiv ", "≡"}, {32887, "\\asymp ", "≍"},
               {32885, "\\sim ", "∼"}, {32886, "\\simeq ", "≃"}, {32888, "\\approx ", "≈"}, {32889, "\\cong ", "≅"},
               {32890, "\\bowtie ", "⋈"}, {32895, "\\Join ", "⨝"}, {32891, "\\propto ", "∝"},
               {32893, "\\doteq ", "≐"}, {32892, "\\models ", "⊨"}, {32894, "\\perp ", "⊥"}})},
        {854, 32909, QStringLiteral("&gr. Buchstaben"),
         QStringLiteral("Blendet die 'griechische Buchstaben'-Leiste ein oder aus."),
         make({{32899, "\\alpha ", "α"}, {32900, "\\beta ", "β"}, {32901, "\\gamma ", "γ"}, {32902, "\\delta ", "δ"},
               {32903, "\\epsilon ", "ϵ"}, {32904, "\\varepsilon ", "ε"}, {32905, "\\zeta ", "ζ"},
               {32906, "\\eta ", "η"}, {32907, "\\theta ", "θ"}, {32908, "\\vartheta ", "ϑ"}, {32912, "\\iota ", "ι"},
               {32913, "\\kappa ", "κ"}, {32914, "\\lambda ", "λ"}, {32915, "\\mu ", "μ"}, {32916, "\\nu ", "ν"},
               {32917, "\\xi ", "ξ"}, {32918, "\\pi ", "π"}, {32919, "\\varpi ", "ϖ"}, {32920, "\\rho ", "ρ"},
               {32921, "\\varrho ", "ϱ"}, {32922, "\\sigma ", "σ"}, {32923, "\\varsigma ", "ς"},
               {32924, "\\tau ", "τ"}, {32925, "\\upsilon ", "υ"}, {32926, "\\phi ", "ϕ"}, {32927, "\\varphi ", "φ"},
               {32928, "\\chi ", "χ"}, {32929, "\\psi ", "ψ"}, {32930, "\\omega ", "ω"}, {32931, "\\Gamma ", "Γ"},
               {32932, "\\Delta ", "Δ"}, {32933, "\\Theta ", "Θ"}, {32934, "\\Lambda ", "Λ"}, {32935, "\\Xi ", "Ξ"},
               {32936, "\\Pi ", "Π"}, {32937, "\\Sigma ", "Σ"}, {32938, "\\Upsilon ", "Υ"}, {32939, "\\Phi ", "Φ"},
               {32940, "\\Psi ", "Ψ"}, {32941, "\\Omega ", "Ω"}})},
        {855, 32956, QStringLiteral("&sonstige Symbole"),
         QStringLiteral("Blendet die 'sonstige Symbole'-Leiste ein oder aus."),
         make({{32946, "\\aleph ", "ℵ"}, {32947, "\\hbar ", "ℏ"}, {32948, "\\imath ", "ı"}, {32949, "\\jmath ", "ȷ"},
               {32950, "\\ell ", "ℓ"}, {32951, "\\wp ", "℘"}, {32952, "\\Re ", "ℜ"}, {32953, "\\Im ", "ℑ"},
               {32954, "\\partial ", "∂"}, {32955, "\\infty ", "∞"}, {32957, "\\prime ", "′"},
               {32958, "\\emptyset ", "∅"}, {32959, "\\nabla ", "∇"}, {32960, "\\surd ", "√"}, {32961, "\\top ", "⊤"},
               {32962, "\\bot ", "⊥"}, {32963, "\\| ", "‖"}, {32964, "\\angle ", "∠"}, {32965, "\\triangle ", "△"},
               {32966, "\\backslash ", "\\"}, {32967, "\\forall ", "∀"}, {32968, "\\exists ", "∃"},
               {32969, "\\neg ", "¬"}, {32970, "\\flat ", "♭"}, {32971, "\\natural ", "♮"}, {32972, "\\sharp ", "♯"},
               {32973, "\\clubsuit ", "♣"}, {32974, "\\diamondsuit ", "♢"}, {32975, "\\heartsuit ", "♡"},
               {32976, "\\spadesuit ", "♠"}, {32977, "\\S ", "§"}, {32978, "\\P ", "¶"}})},
    };
    return bars;
}

const QList<SymbolCommand> &extras()
{
    static const QList<SymbolCommand> list = make({{32981, "\\glqq ", "„"}, {32982, "\\grqq ", "“"}});
    return list;
}

} // namespace

namespace Symbols {

const QList<SymbolBar> &bars() { return table(); }

const SymbolCommand *find(int id)
{
    for (const SymbolBar &b : table())
        for (const SymbolCommand &c : b.commands)
            if (c.id == id)
                return &c;
    for (const SymbolCommand &c : extras())
        if (c.id == id)
            return &c;
    return nullptr;
}

QList<int> allIds()
{
    QList<int> ids;
    for (const SymbolBar &b : table())
        for (const SymbolCommand &c : b.commands)
            ids.append(c.id);
    for (const SymbolCommand &c : extras())
        ids.append(c.id);
    return ids;
}

} // namespace Symbols
