// A frame with its caption set into its top edge, the way the statistics
// panel is drawn; its children keep their places relative to its top-left.
#pragma once

#include <QGroupBox>

namespace qlx {

class StatsFrame : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace qlx
