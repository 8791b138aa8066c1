// The forms of a page and the state of their controls: what each field
// holds, which boxes are checked, which option is chosen, and the fields a
// submission sends as name=value strings.
#pragma once

#include <functional>
#include <string>
#include <vector>

class THtmlDocument;
class THtmlNode;

enum class TControlKind { Text, Password, Checkbox, Radio, Submit, Reset, Button, Hidden, TextArea, Select };

struct THtmlFormControl {
    TControlKind Kind = TControlKind::Text;
    int Form = -1;                 // index into Forms, -1 outside every form
    std::wstring Name;
    std::wstring Value;            // text fields: what they hold; buttons: caption; boxes: the value sent
    std::wstring InitialValue;
    bool Checked = false;
    bool InitiallyChecked = false;
    std::vector<std::pair<std::wstring, std::wstring>> Options;  // value, text
    int Selected = 0;
    int InitialSelected = 0;
    int Size = 20;                 // characters of a text field, rows of a list
    int Rows = 2, Cols = 20;       // text areas
};

struct THtmlForm {
    std::wstring Action, Target, EncType, Method;
};

using THtmlSubmitEvent = std::function<void(const std::wstring& Action, const std::wstring& Target,
                                            const std::wstring& EncType, const std::wstring& Method,
                                            const std::vector<std::wstring>& Fields)>;

class THtmlForms {
public:
    // Finds the forms and controls of a document; each control's node gets its index.
    void Collect(THtmlDocument& doc);

    std::vector<THtmlForm> Forms;
    std::vector<THtmlFormControl> Controls;

    // A click on a control: boxes toggle, a radio button checks itself and
    // clears the others of its group. True when the state changed.
    bool Click(int control);
    // The next option of a list box (or the first after the last).
    bool CycleOption(int control);
    // The name=value strings a submission by `submitter` (a button, or -1) sends.
    std::vector<std::wstring> Fields(int form, int submitter) const;
    // Puts every control of the form back as the page had it.
    void Reset(int form);
};
