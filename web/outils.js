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

// Each option's caption, in the words of the window's dialogs; the command's help text follows
// it, and its flag (what the address and the command line say) shows when the pointer rests on it.
export const LIBELLES = {
  'assonances': 'Assonances',
  'auto': 'Automatique',
  'base-complete': 'Base complète',
  'beau-present': 'Beau présent',
  'brut': 'Sortie brute',
  'debut': 'En début de mot',
  'decadentes': 'Décadentes',
  'diacritiques': 'Différencier les diacritiques',
  'distinguer-e': 'Distinguer é et è',
  'domaine': 'Domaine',
  'graphie': 'Conserver la graphie',
  'heterogramme': 'Hétérogramme',
  'imposes': 'Mots imposés',
  'interdits': 'Mots interdits',
  'interieur': "À l'intérieur du mot",
  'inverse': 'Afficher chaque mot inversé',
  'lecture': 'Lecture',
  'lettres-max': 'Nombre maximum de lettres',
  'longueurs': 'Longueur des mots',
  'methode': 'Méthode',
  'mono': 'Monovocalisme / Monoconsonantisme',
  'mots': 'Nombre de mots',
  'niveau': 'Niveau de recherche',
  'obligatoires': 'Lettres obligatoires',
  'phonemes': 'Sons permutés',
  'premiers': 'Montrer les meilleures',
  'sans-sigles': 'Sigles et acronymes interdits',
  'sons': 'Sons échangés par chaque mot',
  'syllabes': 'Syllabes',
  'syllabes-max': 'Nombre maximum de syllabes',
  'tous-diacritiques': 'Interdire aussi les diacritiques',
  'tri': 'Ordre',
  'trois': 'Rotations entre trois mots',
  'une-fois-multiple': 'Une seule occurrence (plusieurs caractères)',
  'une-fois-simple': 'Une seule occurrence (un caractère)',
  'vocabulaire-reduit': 'Vocabulaire réduit',
};

// Options the page never offers: files (the page keeps no list between searches and shows the
// result itself) and terminal colour.
export const OPTIONS_ECARTEES = new Set(['liste', 'garder', 'rtf', 'couleur']);
