#pragma once
// The about window: built on first use, rebuilt after the user closed it.
#include "ui/LateBoundApis.h"

#include <memory>

class Form2 {
public:
    // Both windows open their links and decode their picture with `apis`,
    // which must outlive this.
    explicit Form2(const LateBoundApis& apis);
    ~Form2();
    Form2(const Form2&) = delete;
    Form2& operator=(const Form2&) = delete;

    // Builds the window if it is not open, shows it modeless and brings it
    // to the front; returns at once.
    void Show();

private:
    class Owner;
    class AboutWindow;
    const LateBoundApis& apis_;
    std::unique_ptr<Owner> owner_;  // destroyed after the window it owns
    std::unique_ptr<AboutWindow> window_;
};
