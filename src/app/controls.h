#pragma once

#include "app/editor_state.h"

constexpr int MainClientWidth = 640, MainClientHeight = 480;
constexpr int MapClientWidth = 522, MapClientHeight = 394;
constexpr int MapScrollStep = 16;

bool CreateFirstMainControls();
bool CreateSecondMainControls();
bool CreateMapControls();
