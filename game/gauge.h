#pragma once
// A gauge keeps its position inside its range: a value beyond it stores the nearer end.
// (A plain progress bar would silently keep its old value instead.)
// What a screen reader needs QProgressBar gives already: the value, the range, and a
// notice whenever the value of a shown bar changes. The name is given by the panel.
#include <QProgressBar>

class Gauge : public QProgressBar {
    Q_OBJECT
public:
    using QProgressBar::QProgressBar;
    void setProgress(int v);
    int progress() const { return value(); }
};
