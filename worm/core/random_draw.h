#pragma once

class Platform;

// Int(n x r + 1) with a fresh r uniform in [0, 1) from the platform's
// generator: a whole number from 1 to n, each equally likely (n >= 1).
int RandomDraw(Platform& platform, int n);
