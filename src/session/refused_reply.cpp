#include "session/refused_reply.h"

#include "config/printer_models.h"
#include "session/printer_session.h"

namespace tessaline {

namespace {

PrinterLanguage languageOfModel(int model) {
    switch (emulationOf(model)) {
    case Emulation::Zebra:
        return PrinterLanguage::Zpl;
    case Emulation::Eltron:
        return PrinterLanguage::Epl;
    default:
        return PrinterLanguage::Native;
    }
}

std::string joined(const std::vector<std::string>& keys) {
    std::string out;
    for (const std::string& key : keys)
        out += (out.empty() ? "" : ", ") + key;
    return out;
}

} // namespace

ErrorDetail RefusedReplyDetail(std::string_view reply, int model, std::string interfaceText,
                               const std::vector<std::string>& refusedKeys) {
    const PrinterLanguage reported = LanguageOfReply(reply);
    const PrinterLanguage expected = languageOfModel(model);
    if (reported != PrinterLanguage::Unknown && reported != expected && isValidModelIndex(model)) {
        ErrorDetail detail(DetailPhrase::LanguageMismatch);
        detail.text("interface", std::move(interfaceText))
            .phrase("printer", LanguagePhrase(reported))
            .text("model", std::string(modelNames()[static_cast<size_t>(model)]))
            .phrase("expected", LanguagePhrase(expected));
        return detail;
    }
    ErrorDetail detail(DetailPhrase::ReplyValuesRefused);
    detail.text("interface", std::move(interfaceText)).text("settings", joined(refusedKeys));
    return detail;
}

} // namespace tessaline
