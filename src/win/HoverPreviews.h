#pragma once

#include "ImagePreviews.h"
#include "PreviewPopup.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace lumo::win {

// What resting the cursor on a spot of a control shows: a line of text (the path the
// images belong to) and the images. Nothing when the title is empty.
struct HoverTarget {
    std::string title;
    std::vector<std::string> images;

    bool operator==(const HoverTarget&) const = default;
};

// Watches controls for the cursor resting on them and shows the previews of what it rests
// on beside it. They go when the cursor moves to something else or leaves the control, on
// a drag, a button or key press, the wheel, or when hidden by the window.
class HoverPreviews {
public:
    // The target under a point of a control's client area.
    using Lookup = std::function<HoverTarget(HWND control, POINT client)>;

    explicit HoverPreviews(Lookup lookup) : lookup_(std::move(lookup)) {}
    ~HoverPreviews();
    HoverPreviews(const HoverPreviews&) = delete;
    HoverPreviews& operator=(const HoverPreviews&) = delete;

    void Watch(HWND control);
    void Hide();

    const PreviewPopup& popup() const { return popup_; }

private:
    static LRESULT CALLBACK SubclassProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
    void OnMouseMove(HWND control, POINT client);
    void OnHover(HWND control, POINT client);

    Lookup lookup_;
    ImagePreviews previews_;
    PreviewPopup popup_;
    std::vector<HWND> watched_;
    HoverTarget target_; // what the cursor rests on, shown or waiting for the hover time
};

} // namespace lumo::win
