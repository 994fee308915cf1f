#include "editor/editorhost.h"

namespace {

class DefaultHost final : public EditorHost {
public:
    ClassFonts classFonts() const override { return ClassFonts{}; }
    QColor backgroundColor() const override { return Qt::white; }
    EditorOptions editorOptions() const override { return EditorOptions{}; }
};

} // namespace

EditorHost *EditorHost::defaultHost()
{
    static DefaultHost host;
    return &host;
}
