#include "platform/ui/print/PrintInfo.h"

#include <QPrinter>

CPrintInfo::CPrintInfo() : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

CPrintInfo::~CPrintInfo() = default;
