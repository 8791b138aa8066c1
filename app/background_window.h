// The background window: the application's main window while the wizard
// runs, maximised, in the product's colours, with the product name in the
// embedded typeface and the version at the bottom left. The screens appear
// in front of it; its small picture over the name's "i" shows the
// instructions.
#pragma once

#include <memory>

#include "ui/platform/forms.h"
#include "ui/platform/graphics/font.h"

class TLabel;
class TPanel;

class TInstaller : public TForm {
public:
    explicit TInstaller(TComponent* owner);

    // The version label's text for a version number: "ver." and the number
    // with exactly two decimals.
    static std::wstring VersionText(double version);

private:
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormResize(TObject* Sender);
    void FormDestroy(TObject* Sender);
    void caciula_iClick(TObject* Sender);
    template <class T>
    T& Part(const wchar_t* name) const;

    std::unique_ptr<TFont> fontuZarvan;  // the product name's font; empty when the typeface did not load
};
