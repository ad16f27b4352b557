#include "app/sheet_frame.h"

#include <QDialog>
#include <QEvent>
#include <QFrame>

#include "app/window_colors.h"

namespace kivo {
namespace {

// A line along the sheet's edge, under its other widgets, following the sheet's size.
class SheetFrame : public QFrame {
public:
    explicit SheetFrame(QDialog& sheet)
        : QFrame(&sheet)
    {
        setObjectName(QStringLiteral("sheetFrame"));
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
        QPalette line = palette();
        line.setColor(QPalette::WindowText, colors::kSheetFrame);
        setPalette(line);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(sheet.rect());
        lower();
        sheet.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show) {
            setGeometry(static_cast<QWidget*>(watched)->rect());
            lower();
        }
        return false;
    }
};

} // namespace

void frame_sheet(QDialog& sheet) { new SheetFrame(sheet); }

} // namespace kivo
