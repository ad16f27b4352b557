#pragma once
// The window's status line: the current status in every interface language (a language change
// shows it again) and whether it is shown as a warning.

#include <string>

#include "text/status_text_set.h"

class QLineEdit;

namespace kivo {

class StatusLine {
public:
    explicit StatusLine(QLineEdit& field);

    // The entry of a language (English outside 0..12).
    std::string text(int language) const { return texts_.get(language); }
    void setText(const std::string& text, int language) { texts_.set(text, language); }
    // Takes a whole set without showing it; returns the entry of language.
    std::string take(const StatusTextSet& texts, int language);
    StatusTextSet texts() const { return texts_.snapshot(); }
    void clear();

    // Shows text, on the warning colour when warning is set.
    void show(const std::string& text, bool warning);
    // Back to the normal look, keeping the text shown.
    void showPlain();
    bool warning() const { return warning_; }

private:
    QLineEdit& field_;
    StatusTexts texts_;
    bool warning_ = false;
};

} // namespace kivo
