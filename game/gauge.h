#pragma once
// A gauge keeps its position inside its range: a value beyond it stores the nearer end.
// (A plain progress bar would silently keep its old value instead.)
#include <QProgressBar>

class Gauge : public QProgressBar {
    Q_OBJECT
public:
    using QProgressBar::QProgressBar;
    void setProgress(int v);
    int progress() const { return value(); }
};
