#pragma once

namespace mousecfg::dpiscale {

// The DPI a stored level stands for on the given sensor (the number from "MouseSenSor/1"). A
// sensor that is not known gives 0. Any level is accepted: the arithmetic is done in 64 bits and
// the result saturates at the int range, so a damaged profile value cannot overflow.
int dpiOfLevel(long long level, int sensor);

// True when a lies within b - 9 .. b + 9; used to recognise a DPI read back as a known value.
bool dpiMatch(int a, int b);

}  // namespace mousecfg::dpiscale
