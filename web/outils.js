// The tools the page offers, one entry each: the tavilo-cli command it runs (`outil`, also the
// address's "outil="), its name in the selector, and how to present the options the command's
// usage line does not describe on its own. Everything else comes from the command itself: its
// flags ([--x]) become check boxes, its choices ([--x a|b|c]) selectors whose first value is the
// default, and each control's caption is the command's own help text for that option.
//
// A tool entry holds:
//   outil    the command name
//   titre    the tool's name in the selector
//   exemple  what the input shows when empty
//   valeurs  for an option taking a value that is not a list of choices: its choices, the first
//            being the command's default ('' stands for "absent": the command decides)
//   defauts  the default of a choice when it is not the first value
//   flux     given the form's values, true when the command prints its results as it finds them
//            (the page shows them, and the progress, while it runs; Stop keeps what was found)
const SYLLABES = ['toutes', '1', '2', '3', '4', '5', '6', '7', '8', '9'];

export const OUTILS = [
  { outil: 'contrepeteries', titre: 'Contrepèteries', exemple: 'bateau' },
  { outil: 'rimes', titre: 'Rimes', exemple: 'age', valeurs: { syllabes: SYLLABES } },
  {
    outil: 'anagrammes', titre: 'Anagrammes', exemple: 'ironique',
    valeurs: { niveau: ['', '1', '2', '3', '4'] },
    flux: (v) => v.auto === true && v.brut !== true,
  },
  { outil: 'anaphones', titre: 'Anaphones', exemple: 'marin' },
  { outil: 'lipogrammes', titre: 'Lipogrammes', exemple: 'e', valeurs: { syllabes: SYLLABES }, defauts: { syllabes: '3' } },
  {
    outil: 'filtre', titre: 'Mots filtrés', exemple: 'b?t*',
    valeurs: { 'lettres-max': ['toutes', ...Array.from({ length: 24 }, (_, i) => String(i + 2))], 'syllabes-max': SYLLABES },
  },
  { outil: 'liste', titre: 'Listes' },
  { outil: 'rimes-mot', titre: "Rimes d'un mot", exemple: 'chanson', valeurs: { syllabes: SYLLABES } },
  { outil: 'phrase', titre: 'Contrepèteries dans une phrase', exemple: 'Quel champ de coton !', defauts: { sons: '3' } },
];

// Options the page never offers: files (the page keeps no list between searches and shows the
// result itself) and terminal colour.
export const OPTIONS_ECARTEES = new Set(['liste', 'garder', 'rtf', 'couleur']);
