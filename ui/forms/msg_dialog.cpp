#include "ui/forms/msg_dialog.h"

#include <algorithm>
#include <memory>

#include "ui/controls/fmt_label.h"
#include "ui/controls/nice_button.h"
#include "ui/controls/trans_image.h"
#include "ui/forms/form_classes.h"
#include "ui/forms/framework.h"
#include "ui/forms/title_bar.h"
#include "ui/platform/application.h"
#include "ui/platform/ext_controls.h"

std::wstring MsgPrefix;
std::int32_t AutoCloseSwitch = 0;
std::int32_t AutoPressSwitch = 0;
TMessageForm* AutoDialog = nullptr;

namespace {

const TMButtonKind DialogButtonKinds[] = {mkYes, mkNo,  mkOK,  mkCancel, mkAbort, mkRetry,
                                          mkIgnore, mkAll, mkNo, mkAll,    mkHelp,  mkClose};
const int ButtonWidth = 100;
const UINT_PTR AutoTimerId = 1;

std::wstring ButtonName(TMButtonKind kind) {
    std::wstring name = L"Btn";
    for (wchar_t c : KindCaptions[kind])
        if (c != L'&' && c != L' ') name += c;
    return name;
}

std::vector<TButton*> FormButtons(TCustomForm* form) {
    std::vector<TButton*> buttons;
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* b = dynamic_cast<TButton*>(form->Components(i))) buttons.push_back(b);
    return buttons;
}

HWND MainWindow() {
    TCustomForm* main = Application->MainForm();
    return main && main->HandleAllocated() ? main->Handle() : nullptr;
}

void CALLBACK AutoCloseTimerProc(HWND window, UINT, UINT_PTR, DWORD) {
    if (!AutoDialog) return;
    if (AutoDialog->Tag != 0) {
        --AutoDialog->Tag;
        return;
    }
    KillTimer(window, AutoTimerId);
    AutoDialog->Close();
}

void CALLBACK AutoPressTimerProc(HWND window, UINT, UINT_PTR, DWORD) {
    if (!AutoDialog) return;
    if (AutoDialog->Tag != 0) {
        --AutoDialog->Tag;
        return;
    }
    KillTimer(window, AutoTimerId);
    for (TButton* b : FormButtons(AutoDialog))
        if (b->Default() && b->Visible() && b->Enabled()) {
            b->Click();
            return;
        }
}

// Builds the dialog's window: title bar, message panel with picture and
// label, separator and the strip of buttons, placed by fixed arithmetic.
class DialogBuilder {
public:
    DialogBuilder(TMessageForm& form, TMsgDlgType type) : FForm(form), FType(type) {}

    void Build(const std::wstring& text, std::uint8_t align, TMsgDlgButtons buttons, TMsgDlgBtn defaultButton) {
        CreateFrame();
        MeasureText(text);
        CreateMessage(text, align);
        CreateButtons(buttons, defaultButton);
        Place();
    }
    int ButtonCount() const { return static_cast<int>(FButtons.size()); }

private:
    void CreateFrame() {
        FForm.SetName(L"Message");
        auto* bar = new TTitleBar(&FForm);
        bar->SetParent(&FForm);
        bar->SetAlign(alTop);
        bar->SetHeight(25);
        bar->SetStartColor(static_cast<TColor>(8540422));
        FForm.TitleBar = bar;
        FForm.PixelsPerInch = 96;
        FForm.SetBorderStyle(bsDialog);
        FForm.SetBorderIcons(biSystemMenu);
        FForm.Font().SetName(L"MS Sans Serif");
        FForm.Font().SetHeight(-11);
        FPanel = new TPanel(&FForm);
        FPanel->SetName(L"Panel");
        FPanel->SetParent(&FForm);
        FPanel->SetCaption(L"");
        FPanel->SetBevelOuter(bvLowered);
        FPanel->SetBounds(16, bar->Height() + 16, FPanel->Width(), FPanel->Height());
        FBevel = new TBevel(&FForm);
        FBevel->SetName(L"Bevel");
        FBevel->SetParent(&FForm);
        FBevel->SetShape(bsTopLine);
        FBevel->SetBounds(0, 0, FBevel->Width(), 5);
    }

    void MeasureText(const std::wstring& text) {
        HDC screen = GetDC(nullptr);
        TCanvas canvas;
        canvas.SetHandle(screen);
        canvas.Font().Assign(FForm.Font());
        canvas.Font().SetStyle(fsBold);
        TRect r{0, 0, Screen->Width() / 2, 0};
        canvas.DrawText(text, r, DT_CALCRECT | DT_WORDBREAK);
        canvas.SetHandle(nullptr);
        ReleaseDC(nullptr, screen);
        FText = r;
    }

    void CreateMessage(const std::wstring& text, std::uint8_t align) {
        const auto useMouse = [form = &FForm](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
            form->UseMouse(s, b, sh, x, y);
        };
        FPanel->OnMouseDown = useMouse;
        FLabel = new TFmtLabel(&FForm);
        FLabel->SetName(L"Message");
        FLabel->SetParent(FPanel);
        FLabel->SetAlignment(align == TextAlignRight ? taRightJustify : align == TextAlignCenter ? taCenter : taLeftJustify);
        FLabel->SetTransparent(true);
        FLabel->SetWordWrap(true);
        FLabel->SetParentFont(false);
        FLabel->Font().Assign(FForm.Font());
        FLabel->Font().SetStyle(fsBold);
        FLabel->SetCaption(text);
        FLabel->SetBounds(FText.Left, FText.Top, FText.Width(), FText.Height());
        FLabel->OnMouseDown = useMouse;
        FImage = new TTransImage(&FForm);
        FImage->SetName(L"Image");
        FImage->SetParent(FPanel);
        FImage->SetKindMare(FType);
        const TBitmap& picture = DialogPicture(FType);
        FImage->SetBounds(10, 0, picture.Width(), picture.Height());
        FImage->OnMouseDown = useMouse;
    }

    void CreateButtons(TMsgDlgButtons buttons, TMsgDlgBtn defaultButton) {
        FStrip = new TPanel(&FForm);
        FStrip->SetParent(&FForm);
        FStrip->SetCaption(L"");
        FStrip->SetBevelOuter(bvLowered);
        FStrip->OnMouseDown = [form = &FForm](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
            form->UseMouse(s, b, sh, x, y);
        };
        TNiceButton* byBit[12] = {};
        for (int n = 0; n < 12; ++n) {
            if (!(buttons & (1u << n))) continue;
            auto* button = new TNiceButton(&FForm);
            button->SetParent(FStrip);
            button->SetKind(DialogButtonKinds[n]);
            button->SetColor(FStrip->Color());  // no lighter box around glyph and face
            const bool isDefault = n == defaultButton;
            button->SetDefault(isDefault);
            if (isDefault) FForm.SetActiveControl(button);
            if (!FForm.FindComponent(ButtonName(DialogButtonKinds[n]))) button->SetName(ButtonName(DialogButtonKinds[n]));
            byBit[n] = button;
            FButtons.push_back(button);
        }
        if (byBit[mbNo] && byBit[mbCancel]) {
            byBit[mbNo]->Cancel = false;
            byBit[mbCancel]->Cancel = true;
        } else if (byBit[mbOK] && !byBit[mbCancel]) {
            byBit[mbOK]->Cancel = true;
        }
    }

    void Place() {
        const int count = ButtonCount();
        const TBitmap& picture = DialogPicture(FType);
        const int bw = picture.Width(), bh = picture.Height();
        const int textW = FText.Width(), textH = FText.Height();
        const int contentW = textW + 32 + bw + 10;
        const int contentH = std::max(bh + 20, textH + 32);
        const int titleHeight = FForm.TitleBar->Height();
        const int stripWidth = count * ButtonWidth + 32;
        FPanel->SetBounds(FPanel->Left(), FPanel->Top(), std::max({150, contentW, stripWidth}), std::max(55, contentH));
        FForm.SetClientWidth(FPanel->Width() + 32);
        FForm.SetClientHeight(titleHeight + FPanel->Height() + 90);
        const int formWidth = FForm.ClientWidth();
        const int separatorTop = titleHeight + FPanel->Height() + 32;
        FBevel->SetBounds(0, separatorTop, formWidth, 5);
        FStrip->SetBounds((formWidth - stripWidth) / 2, separatorTop + 8, stripWidth, 43);
        if (bh > textH) {
            FImage->SetTop(10);
            FLabel->SetTop(10 + bh / 2 - textH / 2);
        } else {
            FLabel->SetTop(16);
            FImage->SetTop(16 + textH / 2 - FImage->Height() / 2);
        }
        const int imageRight = FImage->Left() + FImage->Width();
        FLabel->SetLeft(imageRight + (FPanel->ClientWidth() - imageRight - FLabel->Width()) / 2);
        int left = 16;
        for (TNiceButton* b : FButtons) {
            b->SetBounds(left, 8, b->Width(), b->Height());
            left += b->Width();
        }
    }

    TMessageForm& FForm;
    TMsgDlgType FType;
    TRect FText;
    TPanel* FPanel = nullptr;
    TBevel* FBevel = nullptr;
    TFmtLabel* FLabel = nullptr;
    TTransImage* FImage = nullptr;
    TPanel* FStrip = nullptr;
    std::vector<TNiceButton*> FButtons;
};

void ArmAutomaticModes(TMessageForm& form, int buttonCount) {
    HWND main = MainWindow();
    if (!main) return;
    TIMERPROC proc = nullptr;
    if (AutoCloseSwitch != 0 && buttonCount == 1)
        proc = AutoCloseTimerProc;
    else if (AutoPressSwitch != 0 && buttonCount >= 1)
        proc = AutoPressTimerProc;
    if (!proc) return;
    form.Tag = 1;
    AutoDialog = &form;
    SetTimer(main, AutoTimerId, static_cast<UINT>(AutoCloseSwitch * 300), proc);
}

}  // namespace

const wchar_t* DialogCaption(TMsgDlgType type) {
    switch (type) {
    case mtWarning: return L"Atentie !";
    case mtError: return L"EROARE !";
    case mtInformation: return L"Informatie...";
    case mtConfirmation: return L"Confirmare...";
    default: return L"";
    }
}

std::wstring PrefixedMessage(const std::wstring& text) {
    if (MsgPrefix.empty()) return text;
    std::wstring prefix = MsgPrefix;
    for (wchar_t& c : prefix)
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    return prefix + L",\r\r" + text;
}

std::uint16_t MsgDialog(const std::wstring& Text, const std::wstring& Caption, TMsgDlgType DlgType,
                        std::uint8_t TextAlign, TMsgDlgButtons Buttons, TMsgDlgBtn DefaultButton,
                        std::int32_t HelpCtx) {
    const TCursor savedCursor = Screen->Cursor();
    std::unique_ptr<TMessageForm> form;
    std::uint16_t result = 0;
    try {
        const std::wstring text = PrefixedMessage(Text);
        Screen->SetCursor(crArrow);
        form.reset(NewForm<TMessageForm>(nullptr));
        DialogBuilder builder(*form, DlgType);
        builder.Build(text, TextAlign, Buttons, DefaultButton);
        form->SetCaption(Caption.empty() ? DialogCaption(DlgType) : Caption);
        form->SetBounds(Screen->Width() / 2 - form->Width() / 2, Screen->Height() / 2 - form->Height() / 2,
                        form->Width(), form->Height());
        form->Tag = 0;
        (void)HelpCtx;
        form->ScaleBy(Screen->PixelsPerInch(), 96);
        ArmAutomaticModes(*form, builder.ButtonCount());
        result = static_cast<std::uint16_t>(form->ShowModal());
    } catch (...) {
        result = 0;
    }
    form.reset();
    AutoDialog = nullptr;
    Screen->SetCursor(savedCursor);
    return result;
}

void TMessageForm::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (!SkipRightClick) UseMouse(this, button, shift, x, y);
    TTitleForm::MouseDown(button, shift, x, y);
}

void TMessageForm::UseMouse(TObject* Sender, TMouseButton Button, TShiftState, int, int) {
    const std::vector<TButton*> buttons = FormButtons(this);
    if (Button == mbRight) {
        for (TButton* b : buttons)
            if (b->Default()) b->Click();
        return;
    }
    if (Sender != FindComponent(L"Image")) return;
    if (++Clickuri < 3) return;
    TButton* defaultButton = nullptr;
    for (TButton* b : buttons)
        if (b->Default()) defaultButton = b;
    if (buttons.size() >= 2) {
        AutoPressSwitch = AutoPressSwitch ? 0 : 1;
        if (defaultButton) defaultButton->Click();
    } else {
        ModalResult = 5;
        AutoCloseSwitch = AutoCloseSwitch ? 0 : 1;
    }
}
