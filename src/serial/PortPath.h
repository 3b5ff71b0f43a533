#pragma once
// PortPath: how the names in the port chooser map onto Linux device paths.
//
// The settings file keeps only five characters of a port name, so the
// chooser shows short names: /dev/ttyUSB0 is listed as "USB0". A name typed
// by the user or read from the settings resolves, in this order: an absolute
// path as is; "COMn" (the fallback list, n >= 1) to /dev/ttyS(n-1); /dev/NAME
// when that exists (so "pts/3" works); otherwise /dev/ttyNAME.
// Pure functions; the file-system check is passed in. Used by the
// connection controller before OpenPort and by the system port list.

#include <functional>
#include <string>

// The device path for a chooser name; empty for an empty name.
std::string resolvePortPath(const std::string& name, const std::function<bool(const std::string&)>& exists);

// The chooser name for a device name under /dev: "ttyUSB0" -> "USB0".
std::string shortPortName(const std::string& devName);

// Orders port names as a person would: digit runs compare by value, so
// "S2" comes before "S10", and "S9" before "USB0".
bool naturalLess(const std::string& a, const std::string& b);
