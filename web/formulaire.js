// Reads a command's usage line and help text (the command table the engine hands over) into the
// description a form is built from, and turns a form's values into the command's arguments and
// into the page's address, both ways.
import { OPTIONS_ECARTEES } from './outils.js';

// The options of a usage line, in order: { nom, genre: 'case' | 'choix' | 'texte', valeurs,
// defaut, indication } for each; and the main argument: { indication, valeurs } (valeurs when
// the argument is one of a list, as for "liste").
export function decrireCommande(outil, commande) {
  const usage = commande.usage;
  const debut = usage.indexOf('[');
  const principal = (debut < 0 ? usage : usage.slice(0, debut)).trim();
  const entree = principal.includes('|') ? { indication: '', valeurs: principal.split('|') } : { indication: principal };
  const aides = lireAides(commande.aide);
  const options = [];
  for (const [, contenu] of usage.matchAll(/\[([^\]]+)\]/g)) {
    const morceaux = contenu.match(/^--([\w-]+)(?:[ =](.+))?$/);
    if (!morceaux) {
      // Exclusive flags, [--a|--b]: each is a check box (the command refuses both at once).
      for (const nom of contenu.split('|')) if (nom.startsWith('--')) options.push(option(outil, nom.slice(2), null, aides));
      continue;
    }
    options.push(option(outil, morceaux[1], morceaux[2] ?? null, aides));
  }
  return { entree, options: options.filter((o) => !OPTIONS_ECARTEES.has(o.nom)) };
}

function option(outil, nom, indication, aides) {
  const aide = aides.get(nom) ?? '';
  if (indication === null) return { nom, genre: 'case', aide };
  const valeurs = outil.valeurs?.[nom] ?? (indication.includes('|') ? indication.split('|') : null);
  if (!valeurs) return { nom, genre: 'texte', indication: indication.replace(/"/g, ''), aide };
  return { nom, genre: 'choix', valeurs, defaut: outil.defauts?.[nom] ?? valeurs[0], aide };
}

// The help's description of each option: the text after "  --nom [VALEUR]", with the lines that
// continue it.
function lireAides(aide) {
  const aides = new Map();
  let courante = null;
  for (const ligne of aide.split('\n')) {
    const m = ligne.match(/^  --([\w-]+)(.*)$/);
    if (m) {
      let reste = m[2].trim();
      // The value's placeholder, when there is one: an upper-case word, a quoted one, or a list.
      const valeur = reste.match(/^("[^"]*"|[A-Z][A-Z-]*\b|\S*\|\S*)\s+(.*)$/);
      if (valeur) reste = valeur[2];
      courante = m[1];
      aides.set(courante, reste.trim());
    } else if (courante && /^ {5,}\S/.test(ligne) && !ligne.trim().startsWith('--')) {
      aides.set(courante, `${aides.get(courante)} ${ligne.trim()}`);
    } else {
      courante = null;
    }
  }
  return aides;
}

// The command's arguments for values { entree, nom: true | 'valeur' }: a flag when checked, an
// option when its value is not the default (the command's own default then applies).
export function arguments_(outil, description, valeurs) {
  const args = [outil.outil, valeurs.entree ?? ''];
  for (const o of description.options) {
    const v = valeurs[o.nom];
    if (o.genre === 'case') {
      if (v === true) args.push(`--${o.nom}`);
    } else if (v !== undefined && v !== '' && v !== o.defaut) {
      args.push(`--${o.nom}`, v);
    }
  }
  return args;
}

// The address's query for the values: outil, entree, then the options as their arguments say.
export function versAdresse(outil, description, valeurs) {
  const p = new URLSearchParams({ outil: outil.outil, entree: valeurs.entree ?? '' });
  const args = arguments_(outil, description, valeurs).slice(2);
  for (let i = 0; i < args.length; ++i) {
    const nom = args[i].slice(2);
    const o = description.options.find((x) => x.nom === nom);
    if (o.genre === 'case') p.set(nom, '1');
    else p.set(nom, args[++i]);
  }
  return `?${p}`;
}

// The values an address asks for; a flag is on unless its value is 0 or non.
export function depuisAdresse(description, query) {
  const p = new URLSearchParams(query);
  const valeurs = { entree: p.get('entree') ?? '' };
  for (const o of description.options) {
    if (!p.has(o.nom)) continue;
    valeurs[o.nom] = o.genre === 'case' ? !['0', 'non'].includes(p.get(o.nom)) : p.get(o.nom);
  }
  return valeurs;
}
