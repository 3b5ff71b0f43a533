#pragma once
// The separation-time arrows: each click moves the value one step whose size
// depends on its decade (1, 5, 50, 500, 5000), between 0 and 100000.

int stepSeparationTime(int value, bool up);
