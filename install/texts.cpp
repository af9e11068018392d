#include "install/texts.h"

namespace install {

std::string TextMainProductMissing() {
    return "Veuillez installer ce programme dans le même répertoire que Brindova.";
}

std::string TextNothingToUpdate() {
    return "Aucune mise à jour à effectuer.";
}

std::string TextStagedFileMissing(const std::string& stagingPath) {
    return "Le fichier [" + stagingPath +
           "] n'existe pas. Veuillez rechercher les mises à jour à l'aide de Brindova.";
}

std::string TextPleaseCloseProgram(const std::string& name) {
    // "Veuiller" is the product's own wording.
    return "Veuiller fermer le programme [" + name + "] afin de poursuivre les mises à jour.";
}

std::string TextCannotDelete(const std::string& targetPath) {
    return "Impossible de supprimer le fichier [" + targetPath +
           "]. Veuillez le supprimer manuellement et cliquer ensuite sur \"OK\".";
}

std::string TextCannotCopy(const std::string& stagingPath, const std::string& targetPath) {
    return "Impossible de copier le fichier [" + stagingPath + "]\rvers [" + targetPath +
           "]. Veuillez le copier manuellement ou réessayer ultérieurement";
}

std::string StatusWaitingFor(const std::string& name) {
    return "Attente de fermeture de " + name + "...";
}

std::string StatusStillWaiting(const std::string& name) {
    return "Attente de la fermeture\rde " + name;
}

std::string StatusRemoving(const std::string& name) {
    return "Suppression de l'ancienne\rversion de " + name + "...";
}

std::string StatusInstalling(const std::string& name) {
    return "Installation de la nouvelle\rversion de " + name + "...";
}

}  // namespace install
