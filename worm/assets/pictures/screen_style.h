// The shared look of the screens, headlines and messages: palette colours,
// outlined titles, framed panels, item buttons and tiled backdrops.
#pragma once

#include "picture_set.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>

class ScreenStyle
{
public:
    explicit ScreenStyle(const ArtSources& sources);

    QColor colour(char legend) const { return m_sources.palette.colour(legend); }
    const ArtSources& sources() const { return m_sources; }
    QImage block(int code) const;

    // Text in `fill` with a dark outline of `outline` pixels, placed by Qt alignment flags.
    void outlinedText(QPainter& painter, const QRect& box, int flags, const QString& text, const QFont& font,
                      char fill, int outline = 2) const;
    // Title text: gold to orange from top to bottom, dark outline.
    void titleText(QPainter& painter, const QRect& box, int flags, const QString& text, const QFont& font) const;
    void plainText(QPainter& painter, const QRect& box, int flags, const QString& text, const QFont& font,
                   char colour) const;

    // A dark sunken slot for a value or picture.
    void recess(QPainter& painter, const QRect& box) const;
    // A framed dark panel for text.
    void panel(QPainter& painter, const QRect& box) const;
    // A choice item filling `box` exactly, plain or highlighted.
    void itemButton(QPainter& painter, const QRect& box, const QString& label, bool highlighted) const;
    // Ground cells enlarged by zoom, darkened by `shade` (0 none .. 255 black).
    void tiledBackdrop(QPainter& painter, const QRect& box, int ground, int zoom, int shade) const;
    // A block picture enlarged by zoom at a point.
    void drawBlock(QPainter& painter, QPoint at, int code, int zoom) const;

private:
    const ArtSources& m_sources;
    QImage m_blocks;
};
