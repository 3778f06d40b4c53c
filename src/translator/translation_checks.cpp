#include "translator/translation_checks.h"

#include "base/document_identity.h"
#include "base/settings_file.h"
#include "base/string_table.h"

std::optional<QString> emptyDocumentMessage(const QString &documentText) {
    if (!documentText.isEmpty())
        return std::nullopt;
    return StringTable::text(1024);
}

std::optional<QString> missingTranslatorMessage(const QString &translatorPath) {
    if (FileExists(translatorPath))
        return std::nullopt;
    return StringTable::text(1103);
}

bool fileHoldsDocument(bool modified, const QString &caption) {
    return !modified && !DocumentIdentity::isUntitled(caption);
}
