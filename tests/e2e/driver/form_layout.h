// Where a form's components lie, worked out from its definition the way the
// form library places them: each control's Left/Top/Width/Height, the
// alignment of aligned controls (top, bottom, left, right, then client, each
// group in the library's order), panels' bevel and border insets, and the
// form's scaling from its PixelsPerInch to the display's.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/platform/form_definition.h"
#include "ui/platform/types.h"

namespace e2e {

class TFormLayout {
public:
    // `screenPpi`: the display's pixels per inch. `clientSize`: the real
    // window's client size, when known; the aligned controls fill that.
    TFormLayout(const TDefObject& form, int screenPpi, std::optional<TSize> clientSize = std::nullopt);

    const std::wstring& FormName() const { return FNodes.front().Name; }
    TSize ClientSize() const;
    // The component's rectangle in the form's client coordinates. Throws for
    // a name the definition lacks and for a size it does not give.
    TRect Bounds(std::wstring_view name) const;
    std::vector<std::wstring> Names() const;

private:
    struct TNode {
        std::wstring Name;
        std::wstring ClassName;
        int Left = 0, Top = 0, Width = 0, Height = 0;
        bool HasWidth = false, HasHeight = false;
        int Align = 0;
        bool Visible = true;
        int Inset = 0;
        int Parent = -1;
        std::vector<int> Children;
    };

    void AddNode(const TDefObject& object, int parent);
    void AlignTree(int node);
    void AlignChildren(TNode& parent);
    void Scale(int multiplier, int divisor);
    int Find(std::wstring_view name) const;

    std::vector<TNode> FNodes;
};

}  // namespace e2e
