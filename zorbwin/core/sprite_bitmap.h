#pragma once

#include <QImage>
#include <cstdint>

// The built-in bitmap of a sprite id, in 16 colours; a null image for an id
// that has none. Masks are black where their pictures are opaque and white
// elsewhere.
QImage SpriteBitmap(std::int32_t id);
