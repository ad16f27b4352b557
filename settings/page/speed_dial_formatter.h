#pragma once
// The speed-dial edit field's validator: an edit (typing or a paste) is taken only when the text it
// leaves is at most 20 characters of "0123456789+*#"; otherwise the field stays as it was.

#include <QValidator>

class SpeedDialFormatter : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};
