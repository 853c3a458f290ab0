#pragma once
// A drop-down of the 20 tank colours, each shown as a swatch and its name.
#include "game/colors.h"

#include <QComboBox>

class ColorPicker : public QComboBox {
    Q_OBJECT
public:
    explicit ColorPicker(QWidget* parent = nullptr);
    Color selected() const;
    void select(Color c);
};
