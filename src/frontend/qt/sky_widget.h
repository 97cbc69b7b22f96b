#pragma once

#include <QWidget>

#include "frontend/sky_view.h"

namespace orvant {

// Paints the sky view: rings at 0, 30 and 60 degrees of elevation, the compass points, the pass
// track, the satellite (a filled dot) and where the antennas point (a ring), so the operator sees
// whether the rotator keeps up.
class SkyWidget : public QWidget {
  public:
    SkyWidget();
    // Repaints only when the picture changed visibly: a mark that moved by less than a pixel
    // since it was painted stays where it is until it has moved that far.
    void show(const SkyPicture& picture);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    SkyPicture picture_;
};

}  // namespace orvant
