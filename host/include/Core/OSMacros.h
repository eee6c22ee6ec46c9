// Platform detection and symbol visibility for the Fusion 360 API stand-in.
// Add-ins use XI_EXPORT on their run/stop entry points; the API headers use XI_IMPORT on the
// functions that the host library (here the simulated host) implements.
#pragma once

#if defined(_WINDOWS) || defined(_WIN64)
#define XI_WIN
#elif defined(__APPLE__) && defined(__MACH__)
#define XI_OSX
#elif defined(__linux__)
#define XI_LINUX
#else
#error "unsupported platform"
#endif

#ifdef XI_WIN
#define XI_EXPORT __declspec(dllexport)
#define XI_IMPORT __declspec(dllimport)
#else
#define XI_EXPORT __attribute__((visibility("default")))
#define XI_IMPORT __attribute__((visibility("default")))
#endif
