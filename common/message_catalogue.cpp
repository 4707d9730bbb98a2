#include "common/message_catalogue.h"

#include <cassert>

const MessageTexts& MessageCatalogue() {
  static const MessageTexts texts = {
      "Numero di nodi eccessivo ",
      "Numero di tracciati eccessivo ",
      "Problemi con la lettura del file ",
      "Problemi con la scrittura del file ",
      "Rimuovere tutti i ",
      "Numero di gruppi eccessivo ",
      "Nodo non esistente ",
      "Gruppo non esistente ",
      "File salvato ",
      "Nessun file trovato ",
      "Nessun tracciato definito ",
      "Numero di schede di orientamento eccessivo ",
      "Nessun file di caratteristiche trovato ",
      "Numero di schede caratteristiche eccessivo ",
      "Nessuna scheda di caratteristiche. Calcolo non possibile ",
      "Calcolo eseguito ",
      "Calcolo interrotto ",
      "Problemi con l'apertura dell'applicazione ",
      "Tracciato non valido ",
      "Numero di schede di materiali eccessivo ",
      "Condizione non valida ",
      "Divisore non valido ",
      "File di associazione nodo - sezione non completo o errato ",
      "Nessun sezione definita ",
      "Tracciati disegnati: ",
      "Nodo non associato a nessuna sezione o non appartenente alla membratura attiva ",
  };
  return texts;
}

const std::string& CatalogueText(int id) {
  assert(id >= 0 && id < kMessageCount && "message number outside the catalogue");
  return MessageCatalogue()[static_cast<std::size_t>(id)];
}
