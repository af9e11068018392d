// What the installer must show, byte for byte in code page 1252 (accents as hex escapes;
// a literal is split where the next letter would extend the escape).
#pragma once

#include <string>

namespace e2e::expected {

inline const std::string kTitle = "Korvane - Installeur des mises \xE0 jour";
inline const std::string kStatusCaption = "Korvane - mise \xE0 jour de Telvarra";
inline const std::string kHeadline = "Mise \xE0 jour des composants...";

inline const std::string kWarning = "Avertissement";
inline const std::string kInformation = "Information";
inline const std::string kError = "Erreur";

inline std::string MainProductMissing() {
    return "Veuillez installer ce programme dans le m\xEAme r\xE9pertoire que Brindova.";
}
inline std::string NothingToUpdate() { return "Aucune mise \xE0 jour \xE0 effectuer."; }
inline std::string StagedFileMissing(const std::string& stagingPath) {
    return "Le fichier [" + stagingPath +
           "] n'existe pas. Veuillez rechercher les mises \xE0 jour \xE0 l'aide de Brindova.";
}
inline std::string PleaseClose(const std::string& name) {
    return "Veuiller fermer le programme [" + name + "] afin de poursuivre les mises \xE0 jour.";
}
inline std::string CannotDelete(const std::string& targetPath) {
    return "Impossible de supprimer le fichier [" + targetPath +
           "]. Veuillez le supprimer manuellement et cliquer ensuite sur \"OK\".";
}
inline std::string CannotCopy(const std::string& stagingPath, const std::string& targetPath) {
    return "Impossible de copier le fichier [" + stagingPath + "]\rvers [" + targetPath +
           "]. Veuillez le copier manuellement ou r\xE9" "essayer ult\xE9rieurement";
}
inline std::string CannotWrite(const std::string& manifestPath) {
    return "Impossible d'\xE9" "crire dans " + manifestPath + ".";
}

inline std::string WaitingFor(const std::string& name) {
    return "Attente de fermeture de " + name + "...";
}
inline std::string StillWaiting(const std::string& name) {
    return "Attente de la fermeture\rde " + name;
}
inline std::string Removing(const std::string& name) {
    return "Suppression de l'ancienne\rversion de " + name + "...";
}

}  // namespace e2e::expected
