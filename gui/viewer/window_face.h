#pragma once
// What the main window is made of, where browser_layout puts it: the background panel and its
// picture (which draws the buttons), the panel of the web view and the view, and a hot area
// over each drawn button.
#include "browser_layout.h"

class HotLabel;
class HtmlView;
class QWidget;

struct WindowFace {
    QWidget* PPodTlo;
    HotLabel* ImTlo;
    QWidget* PPodWebbrowser;
    HtmlView* WebBrowser;

    HotLabel* HotAreaOf(browser_layout::HotArea area) const;
};

// Makes the face inside `window`, which is given its size and white ground.
WindowFace BuildWindowFace(QWidget* window);
