#pragma once

// Resource numbers of the sprites in the sheet.
constexpr int SpritePlayer = 512;  // 512..515, four frames
constexpr int SpritePowerDotMask = 516;
constexpr int SpriteChaserMask = 517;
constexpr int SpritePlayerMask = 518;
constexpr int SpriteFontDot = 519;     // 6 x 6
constexpr int SpriteChaser = 520;      // 520 + 2k, two frames each, k = 0..3
constexpr int SpriteFrightened = 528;  // 528, 529
constexpr int SpriteBlinking = 530;    // 530 + 2k, two frames each
constexpr int SpriteEyes = 538;        // 538, 539
constexpr int SpritePowerDot = 540;    // 540..542, growing
constexpr int SpriteWallBlue = 543;
constexpr int SpriteDot = 544;
constexpr int SpriteBlank = 545;
constexpr int SpriteWallPurpleRed = 546;
constexpr int SpriteWallGreen = 547;
constexpr int SpriteWallYellowBrown = 548;
constexpr int SpriteWallRedWhite = 549;
constexpr int SpriteGate = 550;
constexpr int SpriteDying = 551;      // 551..554
constexpr int SpriteDyingMask = 555;  // 555..558
constexpr int SpriteFruit = 560;      // 560 + 2k, k = 0..5; mask one higher
constexpr int SpriteEyesMask = 651;

constexpr int SpriteSize = 20;
constexpr int FontDotSize = 6;
