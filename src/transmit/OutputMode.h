#pragma once
// The output mode governs both how a line is encoded for sending and how a
// received packet is rendered into the log.

enum class OutputMode { Ascii, Hex };
