// The HTML viewer control: shows a page, frames included, from a file. Each
// frame that shows a page is a child window of its own with its scroll bars
// (THtmlFrameView); the viewer arranges them and paints the borders between.
// Links load into the frame their target names; clicking a form's submit
// button reports the form through OnFormSubmit. No history is kept.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/html/gdi_canvas.h"
#include "ui/html/html_frames.h"
#include "ui/platform/win_control.h"

class TFrameViewer;

enum THtmlBorderStyle { hbsNone, hbsSingle };

class THtmlFrameView : public TCustomControl {
public:
    THtmlFrameView(TFrameViewer& viewer, THtmlFrame& frame);

    // The frame shown; nullptr once the viewer has loaded something else
    // and this window waits to be replaced.
    THtmlFrame* Frame() { return FFrame; }
    void Detach();
    TPoint ScrollPos() const { return FFrame ? FFrame->Scroll : TPoint{}; }
    void ScrollTo(int x, int y);
    // Lays the page out again for the window's width and fits the scroll bars.
    void Relayout();
    void CopyToClipboard();
    void SelectAll();

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void WndProc(TMessage& message) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyPress(wchar_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Resize() override;
    void CreateHandleDone() override;

private:
    TPoint PagePoint(int x, int y) const { return {x + FFrame->Scroll.X, y + FFrame->Scroll.Y}; }
    void UpdateScrollBars();
    void Scroll(int bar, WORD request);
    int LineStep() const;
    void ClickControl(int control);

    TFrameViewer& FViewer;
    THtmlFrame* FFrame;
    bool FSelecting = false;
    bool FDragged = false;
    TPoint FDownAt;
    int FAnchorOffset = 0;
    int FFocusedControl = -1;
    bool FFitting = false;
};

class TFrameViewer : public TCustomControl {
public:
    explicit TFrameViewer(TComponent* owner);
    ~TFrameViewer() override;

    // Loads the page; false when the file cannot be read (the viewer is then empty).
    bool LoadFromFile(const std::wstring& path);
    // A name in the system's ANSI code page, as older callers hand it over.
    bool LoadFromFile(const std::string& ansiPath);
    std::wstring DocumentTitle() const { return FTree.DocumentTitle(); }
    // The page path of the top document.
    std::wstring CurrentFile() const;

    const std::wstring& DefaultFontName() const { return FOptions.DefaultFace; }
    void SetDefaultFontName(const std::wstring& name);
    const std::wstring& PreFontName() const { return FOptions.MonospaceFace; }
    void SetPreFontName(const std::wstring& name);
    THtmlBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(THtmlBorderStyle style);
    // No focus rectangle around the focused frame.
    bool NoFocusRect = true;
    // Pages kept for going back; the viewer keeps none whatever is set.
    int HistoryMaxCount = 0;
    // Text can be selected with the mouse and copied with Ctrl+C.
    bool NoSelect = false;

    THtmlSubmitEvent OnFormSubmit;

    THtmlFrameTree& Frames() { return FTree; }
    TGdiHtmlCanvas& HtmlCanvas() { return FCanvas; }
    const THtmlLayoutOptions& Options() const { return FOptions; }
    int ViewCount() const { return static_cast<int>(FViews.size()); }
    THtmlFrameView* View(int index) const { return FViews.at(static_cast<std::size_t>(index)); }
    THtmlFrameView* ViewOf(const THtmlFrame* frame) const;

    // Called by the frame views.
    void FollowLink(THtmlFrameView& from, int link);
    void Submit(THtmlFrameView& from, int control);

protected:
    void BeforeDestruction() override;
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void Paint() override;
    void Resize() override;
    void WndProc(TMessage& message) override;

private:
    void FreeViews();
    // Replaces the frame windows by new ones for the tree's page frames.
    void Rebuild();
    void RebuildLater();
    void ArrangeViews();
    void OptionsChanged();

    THtmlLayoutOptions FOptions;
    THtmlFrameTree FTree;
    TGdiHtmlCanvas FCanvas;
    std::vector<THtmlFrameView*> FViews;
    THtmlBorderStyle FBorderStyle = hbsNone;
};
