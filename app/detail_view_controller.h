#pragma once
// The base of every page: a view shown in the window's detail box and the page host, the narrow
// face of the application a page may reach.

#include <QObject>
#include <QWidget>

#include "app/page_host.h"

class DetailViewController : public QObject {
    Q_OBJECT
public:
    explicit DetailViewController(kivo::PageHost& host)
        : host_(host)
    { }

    kivo::PageHost& host() const { return host_; }
    // The page's view; the controller puts it into the detail box.
    virtual QWidget* view() = 0;
    virtual void setControls() { }
    virtual void setShortcuts() { }
    // Registers, through the host, what the answers to the message boxes this page opens do. The
    // host asks when it makes the page and each time it shows it; leaving the page drops them.
    virtual void routeMessageBoxes() { }
    // Quitting while the page's work runs: a page whose work writes nothing that cannot be redone
    // stops it (its outcome is dropped) and answers true; other work keeps the quit refused.
    virtual bool stopWorkForQuit() { return false; }

    // The one place a page raises or lowers the busy flag: the window's frame and the page follow
    // it at once.
    void setBusy(bool busy)
    {
        host_.setOnProcessing(busy);
        refreshControls();
    }
    // The busy flag for work whose page shows no bar of its own: only the frame follows it.
    void setFrameBusy(bool busy)
    {
        host_.setOnProcessing(busy);
        host_.setControls();
    }
    // The frame around the page, then the page.
    void refreshControls()
    {
        host_.setControls();
        setControls();
    }

private:
    kivo::PageHost& host_;
};
