// The six built-in templates of the Templates menu, in menu order: caption, item
// name (objectName), the text before the selection and the text after it.
#pragma once

struct BuiltInTemplate {
    const char *caption;
    const char *objectName;
    const char *part1;
    const char *part2;
};

inline constexpr BuiltInTemplate BuiltInTemplates[] = {
    {"&Chapter", "Chapter1", "\\chapter{", "}\r\n"},
    {"&Section", "Section1", "\\section{", "}\r\n"},
    {"S&ubsection", "Subsection1", "\\subsection{", "}\r\n"},
    {"&Enumeration", "Enumeration1", "\\begin{enumerate}\r\n\\item ", "\r\n\\end{enumerate}"},
    {"&Items", "Items1", "\\begin{itemize}\r\n\\item ", "\r\n\\end{itemize}"},
    {"&Description", "Description1", "\\begin{description}\r\n\\item ", "\r\n\\end{description}"},
};
