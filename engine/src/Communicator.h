// The job's options and its channel to the host.
#pragma once

#include "kalvo/kalvo.h"
#include "framework/Text.h"

#include <cstdint>
#include <string>

namespace kalvo {

// The job language: overwritten from every job's options and kept afterwards.
extern std::uint16_t g_wJobLanguage;

class COptions {
public:
    virtual ~COptions() = default;
    static constexpr float kDefaultEpsilon = 1e-6f;
    float m_fEpsilon = kDefaultEpsilon;
};

// The precision as the user typed it, as a single-precision epsilon; the default
// when the text holds no usable number (grammar: blanks, sign, digits, fraction,
// exponent; the rest of the text is ignored; independent of the process locale).
float ParseEpsilon(const char16_t* text);

// Copies the language into g_wJobLanguage and parses the precision.
void FillOptions(COptions& options, const TOptionsStruct* record);

// The operating system's user-interface language as one of the table's LANGIDs.
std::uint16_t DefaultResourceLanguage();

// The text in the first language that has it: job language, US English, default.
std::u16string LoadEngineString(unsigned id);

// The text in the default resource language (US English where it has none).
std::u16string LoadDefaultLanguageString(unsigned id);

class CCommunicator {
public:
    CCommunicator(EngineCallback callback, void* context) : m_pfnCallback(callback), m_pContext(context) {}
    virtual ~CCommunicator() = default;

    void Send(std::uint32_t message, std::uintptr_t param) const
    {
        if (m_pfnCallback)
            m_pfnCallback(message, param, m_pContext);
    }
    void SendProgress(std::uint8_t percent)
    {
        if (percent != m_nLastPercent && m_pfnCallback) {
            const std::uint8_t value = percent;
            Send(EM_PROGRESS, reinterpret_cast<std::uintptr_t>(&value));
        }
        m_nLastPercent = percent;
    }
    bool QueryAbort() const { return m_pfnCallback && m_pfnCallback(EM_QUERY_ABORT, 0, m_pContext) != 0; }
    void SendString(std::uint32_t message, const std::u16string& text) const
    {
        Send(message, reinterpret_cast<std::uintptr_t>(text.c_str()));
    }
    void SendText(std::uint32_t message, unsigned textId, std::initializer_list<FormatArg> args = {}) const
    {
        if (m_pfnCallback)
            SendString(message, FormatText(LoadEngineString(textId), args));
    }
    bool IsSilent() const { return m_pfnCallback == nullptr; }

    EngineCallback m_pfnCallback;
    void* m_pContext;
    std::uint8_t m_nLastPercent = 255;
};

}  // namespace kalvo
