#include "app/help_line.h"

const ToolTipTable& ToolTipTexts() {
  static const ToolTipTable texts = {
      "",
      " Rappresentazione della sezione associata al nodo attivo ",
      " Aggiorna la finestra di disegno della sezione ",
      " Seleziona la modalità di inserimento cavi o di modifica del sistema di riferimento ",
      " Seleziona la rappresentazione del solo tracciato attivo o di tutti i tracciati definiti ",
      " Condizione in cui verranno posti i carichi equivalenti ai tracciati inseriti ",
      " Descrizione del gruppo di tracciati ",
      " Nome del tracciato (intero > 0) ",
      " Descrizione del tipo di cavi da usare ",
      " Crea un nuovo tracciato ",
      " Copia il tracciato selezionato aggiungendolo in coda ",
      " Numero d'ordine del tracciato. Con un doppio click si può eliminare il tracciato ",
      " Numero d'ordine del nodo. Con un doppio click si può eliminare il nodo \"",
      " Nome del nodo nella numerazione dell'Valmora ",
      " Nome della sezione associata al nodo ",
      " Numero del vertice della sezione in cui ha origine il sistema di riferimento ",
      " Coordinata Y del punto di passaggio del tracciato nella sezione ",
      " Coordinata Z del punto di passaggio del tracciato nella sezione ",
      " Distorsione angolare concentrata [rad] ",
      " Crea un nuovo nodo ",
      " Copia il nodo selezionato aggiungendolo in coda  ",
      " Rimuove tutti i nodi inclusi nel tracciato selezionato ",
      " Rimuove tutti i tracciati ",
      " Modifica le coordinate dei punti di passaggio del tracciato selezionato per simmetria "
      "secondo l'asse Z",
      " Modifica le coordinate dei punti di passaggio del tracciato selezionato per simmetria "
      "secondo l'asse Y",
      " Apre un gruppo di tracciati già creato ",
      " Salva con nome il gruppo di tracciati ",
      " Esce dal programma ",
      " Coordinata Y del cursore ",
      " Coordinata Z del cursore ",
  };
  return texts;
}
