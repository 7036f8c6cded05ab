// The graphics library: one 640 x 480 window in 16 colours, keys and sound.
//
// The screens call it as a set of global operations on one drawing state;
// underneath it draws into a framebuffer and lets a backend show it.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/backend.h"
#include "platform/draw.h"
#include "platform/keyscript.h"

// --- Set-up of a run, before InitGraph ---
void UseBackend(std::unique_ptr<Backend> backend);
void SetKeyScript(std::vector<Keystroke> keys);
void SetShotDirectory(const std::string& dir);
bool OpenTrace(const std::string& path);
void TraceEvent(const std::string& line);
// Ctrl+C and SIGTERM make the next wait end the run with 128 + the signal.
void InstallStopSignals();
void ThrowIfStopSignalled();
int PendingStopSignal();

// --- The picture, for tests and benchmarks ---
const Framebuffer& Screen();
const DrawState& CurrentDrawState();
bool GraphOpen();

// --- The operations the screens use ---
void InitGraph(int driver, int mode, const std::string& caption);
void SetGraphMode(int mode);
void CloseGraph();
int GetMaxX();
int GetMaxY();
void SetViewPort(int x1, int y1, int x2, int y2, bool clip);
void ClearViewPort();
void SetColor(unsigned colour);
void SetBkColor(unsigned colour);
void SetFillStyle(int pattern, unsigned colour);
void SetLineStyle(int style, unsigned pattern, int width);
void SetTextStyle(int font, int direction, int size);
void OutTextXY(int x, int y, std::string_view text);
void MoveTo(int x, int y);
void LineTo(int x, int y);
void Line(int x1, int y1, int x2, int y2);
void Rectangle(int x1, int y1, int x2, int y2);
void Bar(int x1, int y1, int x2, int y2);
void FloodFill(int x, int y, unsigned border);
char ReadKey();
bool KeyPressed();
void Sound(int hertz, int milliseconds);
void Delay(int milliseconds);
void Alert();
