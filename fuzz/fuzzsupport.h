#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// What every fuzz target shares: a headless application, an empty program
// folder of its own, and a scratch file for readers that read from a path.
namespace FuzzSupport {

// Starts the application once (offscreen platform, prompts shown nowhere
// and forgotten after each input).
void start();

// The input as bytes, without a copy.
QByteArray bytes(const uint8_t *data, size_t size);

// Writes the input to the scratch file of the given name and returns its
// path.
QString scratchFile(const QString &name, const QByteArray &content);

// Forgets the prompts the input caused, so that memory stays flat.
void forgetPrompts();

} // namespace FuzzSupport
