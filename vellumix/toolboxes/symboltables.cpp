#include "toolboxes/symboltables.h"

namespace {

// Letters with a command of their own; capitals that look like Latin letters insert
// that letter, and omikron inserts "o".
const SymbolEntry Greek[] = {
    {"α", "\\alpha ", "", "Alpha"},
    {"β", "\\beta ", "", "Beta"},
    {"γ", "\\gamma ", "", "Gamma"},
    {"δ", "\\delta ", "", "Delta"},
    {"ε", "\\epsilon ", "", "Epsilon"},
    {"ζ", "\\zeta ", "", "Zeta"},
    {"η", "\\eta ", "", "Eta"},
    {"θ", "\\theta ", "", "Theta"},
    {"ι", "\\iota ", "", "Iota"},
    {"κ", "\\kappa ", "", "Kappa"},
    {"λ", "\\lambda ", "", "Lambda"},
    {"μ", "\\mu ", "", "Mu"},
    {"ν", "\\nu ", "", "Nu"},
    {"ξ", "\\xi ", "", "Xi"},
    {"ο", "o ", "", "Omikron"},
    {"π", "\\pi ", "", "Pi"},
    {"ρ", "\\rho ", "", "Rho"},
    {"σ", "\\sigma ", "", "Sigma"},
    {"τ", "\\tau ", "", "Tau"},
    {"υ", "\\upsilon ", "", "Upsilon"},
    {"φ", "\\phi ", "", "Phi"},
    {"χ", "\\chi ", "", "Chi"},
    {"ψ", "\\psi ", "", "Psi"},
    {"ω", "\\omega ", "", "Omega"},
    {"Α", "A ", "", "Capital Alpha"},
    {"Β", "B ", "", "Capital Beta"},
    {"Γ", "\\Gamma ", "", "Capital Gamma"},
    {"Δ", "\\Delta ", "", "Capital Delta"},
    {"Ε", "E ", "", "Capital Epsilon"},
    {"Ζ", "Z ", "", "Capital Zeta"},
    {"Η", "H ", "", "Capital Eta"},
    {"Θ", "\\Theta ", "", "Capital Theta"},
    {"Ι", "I ", "", "Capital Iota"},
    {"Κ", "K ", "", "Capital Kappa"},
    {"Λ", "\\Lambda ", "", "Capital Lambda"},
    {"Μ", "M ", "", "Capital Mu"},
    {"Ν", "N ", "", "Capital Nu"},
    {"Ξ", "\\Xi ", "", "Capital Xi"},
    {"Ο", "O ", "", "Capital Omikron"},
    {"Π", "\\Pi ", "", "Capital Pi"},
    {"Ρ", "P ", "", "Capital Rho"},
    {"Σ", "\\Sigma ", "", "Capital Sigma"},
    {"Τ", "T ", "", "Capital Tau"},
    {"Υ", "\\Upsilon ", "", "Capital Upsilon"},
    {"Φ", "\\Phi ", "", "Capital Phi"},
    {"Χ", "X ", "", "Capital Chi"},
    {"Ψ", "\\Psi ", "", "Capital Psi"},
    {"Ω", "\\Omega ", "", "Capital Omega"},
};

const char MathMode[] = "(Math Mode)";
const char TextMode[] = "(Text Mode)";

const SymbolEntry Math[] = {
    {"∑", "\\sum_{", "}^{} ", MathMode},   {"∏", "\\prod_{", "}^{} ", MathMode},
    {"∫", "\\int ", "", MathMode},         {"∀", "\\forall ", "", MathMode},
    {"∃", "\\exists ", "", MathMode},      {"∈", "\\in ", "", MathMode},
    {"△", "\\triangle ", "", MathMode},    {"∇", "\\nabla ", "", MathMode},
    {"∂", "\\partial ", "", MathMode},     {"⇔", "\\Leftrightarrow ", "", MathMode},
    {"⇐", "\\Leftarrow ", "", MathMode},   {"⇒", "\\Rightarrow ", "", MathMode},
    {"∗", "\\ast ", "", MathMode},         {"±", "\\pm ", "", MathMode},
    {"×", "\\times ", "", MathMode},       {"⋅", "\\cdot ", "", MathMode},
    {"÷", "\\div ", "", MathMode},         {"√", "\\sqrt{", "} ", MathMode},
    {"=", "= ", "", MathMode},             {"≡", "\\equiv ", "", MathMode},
    {"≠", "\\not= ", "", MathMode},        {"≅", "\\cong ", "", MathMode},
    {"≈", "\\approx ", "", MathMode},      {"∼", "\\sim ", "", MathMode},
    {"<", "< ", "", MathMode},             {"≤", "\\leq ", "", MathMode},
    {"≥", "\\geq ", "", MathMode},         {">", "> ", "", MathMode},
    {"∞", "\\infty ", "", MathMode},       {"∝", "\\propto ", "", MathMode},
};

const SymbolEntry Symbols[] = {
    {"\\", "\\backslash ", "", MathMode},  {"%", "\\% ", "", TextMode},
    {"&", "\\& ", "", TextMode},           {"#", "\\# ", "", TextMode},
    {"$", "\\$ ", "", TextMode},           {"£", "\\pounds ", "", TextMode},
    {"§", "\\S ", "", TextMode},           {"©", "\\copyright ", "", TextMode},
    {"⋆", "\\star ", "", MathMode},        {"∗", "\\ast ", "", MathMode},
    {"†", "\\dag ", "", TextMode},         {"‡", "\\ddag ", "", TextMode},
    {"¶", "\\P ", "", TextMode},           {"°", "\\raisebox{1ex}{\\scriptsize o}", "", TextMode},
    {"♣", "\\clubsuit ", "", MathMode},    {"♢", "\\diamondsuit ", "", MathMode},
    {"♡", "\\heartsuit ", "", MathMode},   {"♠", "\\spadesuit ", "", MathMode},
};

const SymbolTable GreekTable{"Greek Letters", "GreekDialog", 8, Greek};
const SymbolTable MathTable{"Math", "MathDialog", 5, Math};
const SymbolTable SymbolsTable{"Symbols", "SymbolDialog", 3, Symbols};

static_assert(std::size(Greek) == 8 * SymbolColumns);
static_assert(std::size(Math) == 5 * SymbolColumns);
static_assert(std::size(Symbols) == 3 * SymbolColumns);

} // namespace

QString SymbolEntry::insertedText() const
{
    QString text = beforeText() + afterText();
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

const SymbolTable &greekTable() { return GreekTable; }
const SymbolTable &mathTable() { return MathTable; }
const SymbolTable &symbolTable() { return SymbolsTable; }
