// The page: the tool selector, the form built from the tool's command, the address that says
// the query, and the result area. The searches run in the worker (worker.js).
import { OUTILS, LIBELLES } from './outils.js';
import { decrireCommande, arguments_, versAdresse, depuisAdresse } from './formulaire.js';

const $ = (id) => document.getElementById(id);
const etat = { moteur: null, pret: false, commandes: new Map(), outil: OUTILS[0], description: null, enCours: null };
// What the checks and the measures read: when the engine was first ready (in ms since the page
// was asked for, the part spent loading inside the engine, and the first run of each tool), and
// the last search's times.
window.tavilo = { pret: false, chargement: null, derniere: null };

function demarrerMoteur() {
  etat.pret = window.tavilo.pret = false;
  etat.moteur = new Worker('worker.js');
  etat.moteur.onmessage = (e) => {
    const m = e.data;
    if (m.type === 'charge') charge(m);
    else if (m.type === 'pret') pret(m);
    else if (m.type === 'flux') fluxRecu(m.texte);
    else if (m.type === 'resultat') resultat(m);
  };
}

// The dictionary is loaded: the engine then runs each tool once on its example, results unused.
// A browser compiles a WebAssembly function when it is first called, so without this the first
// search of each tool would pay for compiling its code, several times the search itself.
function charge(m) {
  if (m.code !== 0) {
    $('etat').textContent = '';
    $('messages').textContent = m.messages;
    return;
  }
  for (const c of m.commandes) etat.commandes.set(c.nom, { usage: c.usage, resume: c.resume, aide: c.aide });
  etat.dureeChargement = m.dureeMoteur;
  const exemples = OUTILS.filter((o) => etat.commandes.has(o.outil)).map((o) => {
    const description = decrireCommande(o, etat.commandes.get(o.outil));
    return [o.outil, description.entree.valeurs?.[0] ?? o.exemple];
  });
  etat.moteur.postMessage({ chauffe: exemples });
}

function pret(m) {
  const premiere = !window.tavilo.chargement;
  window.tavilo.chargement ??= { total: performance.now(), moteur: etat.dureeChargement, chauffe: m.duree };
  etat.pret = window.tavilo.pret = true;
  if (premiere) {
    $('etat').textContent = '';
    remplirSelecteur();
    ouvrirAdresse();
  } else if (etat.enAttente) {
    lancer(etat.enAttente, false);
  }
  etat.enAttente = null;
}

function remplirSelecteur() {
  for (const o of OUTILS) {
    if (!etat.commandes.has(o.outil)) continue;
    $('outil').add(new Option(o.titre, o.outil));
  }
  $('outil').onchange = () => {
    choisirOutil(OUTILS.find((o) => o.outil === $('outil').value), { entree: $('entree').value });
    $('entree').focus();
  };
}

function choisirOutil(outil, valeurs) {
  etat.outil = outil;
  $('outil').value = outil.outil;
  const commande = etat.commandes.get(outil.outil);
  const description = (etat.description = decrireCommande(outil, commande));
  $('resume').textContent = commande.resume;
  const choix = $('entree-choix');
  const liste = description.entree.valeurs;
  $('entree').hidden = !!liste;
  choix.hidden = !liste;
  if (liste) {
    choix.replaceChildren(...liste.map((v) => new Option(v, v)));
    choix.value = liste.includes(valeurs.entree) ? valeurs.entree : liste[0];
  } else {
    $('entree').value = valeurs.entree ?? '';
    $('entree').placeholder = `${description.entree.indication}${outil.exemple ? ` (ex. ${outil.exemple})` : ''}`;
  }
  $('options').replaceChildren(...description.options.map((o) => controle(o, valeurs[o.nom])));
}

// One option's control: a check box, a selector or a text field, captioned with the command's help.
function controle(o, valeur) {
  const label = document.createElement('label');
  let champ;
  if (o.genre === 'case') {
    champ = document.createElement('input');
    champ.type = 'checkbox';
    champ.checked = valeur === true;
  } else if (o.genre === 'choix') {
    champ = document.createElement('select');
    champ.append(...o.valeurs.map((v) => new Option(v === '' ? '—' : v, v)));
    champ.value = o.valeurs.includes(valeur) ? valeur : o.defaut;
  } else {
    champ = document.createElement('input');
    champ.type = 'text';
    champ.placeholder = o.indication;
    champ.value = valeur ?? '';
  }
  champ.name = o.nom;
  const nom = document.createElement('b');
  nom.textContent = LIBELLES[o.nom] ?? `--${o.nom}`;
  const aide = document.createElement('span');
  aide.className = 'aide';
  aide.textContent = o.aide;
  const texte = document.createElement('span');
  texte.append(nom, ' ', aide);
  label.title = `--${o.nom}`;
  label.append(champ, texte);
  return label;
}

function valeursDuFormulaire() {
  const valeurs = { entree: etat.description.entree.valeurs ? $('entree-choix').value : $('entree').value };
  for (const champ of $('options').querySelectorAll('[name]')) {
    valeurs[champ.name] = champ.type === 'checkbox' ? champ.checked : champ.value;
  }
  return valeurs;
}

// Opens the address's query: its tool and values in the form, and its search run when it names one.
function ouvrirAdresse() {
  const p = new URLSearchParams(location.search);
  const outil = OUTILS.find((o) => o.outil === p.get('outil') && etat.commandes.has(o.outil)) ?? etat.outil;
  const description = decrireCommande(outil, etat.commandes.get(outil.outil));
  const valeurs = p.has('outil') ? depuisAdresse(description, location.search) : { entree: '' };
  choisirOutil(outil, valeurs);
  $('entree').focus();
  if (p.has('outil')) lancer(valeurs, false);
}

// Runs a search; one asked for while the engine reloads after a Stop runs once it is ready.
function lancer(valeurs, nouvelleAdresse) {
  if (etat.enCours) return;
  const outil = etat.outil;
  const adresse = versAdresse(outil, etat.description, valeurs);
  if (nouvelleAdresse && adresse !== location.search) history.pushState(null, '', adresse);
  if (!etat.pret) {
    etat.enAttente = valeurs;
    return;
  }
  const flux = outil.flux?.(valeurs) ?? false;
  etat.enCours = { debut: performance.now(), lignes: [], flux };
  $('messages').textContent = '';
  $('resultat').replaceChildren();
  $('etat').textContent = 'Recherche…';
  $('stop').hidden = false;
  $('copier').disabled = $('enregistrer').disabled = true;
  etat.moteur.postMessage({ args: arguments_(outil, etat.description, valeurs), flux });
}

// Lines a search prints as it finds them: shown at once as plain text, with their count (the
// result document replaces them when the search ends).
function fluxRecu(texte) {
  const enCours = etat.enCours;
  if (!enCours) return;
  if (!enCours.zone) {
    enCours.zone = document.createElement('pre');
    enCours.zone.className = 'brut';
    $('resultat').append(enCours.zone);
  }
  const lignes = texte.split('\n').filter((l) => l !== '').map((l) => l.replace(/^\t/, ''));
  enCours.zone.append(lignes.map((l) => `${l}\n`).join(''));
  enCours.lignes.push(...lignes);
  const secondes = ((performance.now() - enCours.debut) / 1000).toFixed(1).replace('.', ',');
  $('etat').textContent = `Recherche… ${enCours.lignes.length} lignes, ${secondes} s`;
}

function resultat(m) {
  const enCours = etat.enCours;
  etat.enCours = null;
  $('stop').hidden = true;
  $('resultat').innerHTML = m.html;
  $('messages').textContent = m.messages;
  etat.texte = m.texte;
  $('copier').disabled = $('enregistrer').disabled = m.texte === '';
  const total = performance.now() - enCours.debut;
  window.tavilo.derniere = { code: m.code, moteur: m.dureeMoteur, total, texte: m.texte };
  $('etat').textContent = m.texte === '' ? '' : `${(total / 1000).toFixed(2).replace('.', ',')} s`;
  document.dispatchEvent(new CustomEvent('tavilo-resultat'));
}

// Stop: the engine's thread is ended with its search, what was shown is kept, and a fresh one loads.
function arreter() {
  const enCours = etat.enCours;
  if (!enCours) return;
  etat.moteur.terminate();
  etat.enCours = null;
  etat.texte = enCours.lignes.join('\n');
  $('stop').hidden = true;
  $('copier').disabled = $('enregistrer').disabled = etat.texte === '';
  demarrerMoteur();
  $('etat').textContent = `Recherche arrêtée : ${enCours.lignes.length} lignes.`;
}

$('recherche').onsubmit = (e) => {
  e.preventDefault();
  lancer(valeursDuFormulaire(), true);
};
$('stop').onclick = arreter;
$('copier').onclick = () => navigator.clipboard.writeText(etat.texte);
$('enregistrer').onclick = () => {
  const lien = document.createElement('a');
  lien.href = URL.createObjectURL(new Blob([etat.texte], { type: 'text/plain;charset=utf-8' }));
  lien.download = `${etat.outil.outil}.txt`;
  lien.click();
  URL.revokeObjectURL(lien.href);
};
window.onpopstate = ouvrirAdresse;

// On a phone the options fold away under their heading, leaving the result in view.
if (matchMedia('(max-width: 40em)').matches) $('reglages').open = false;
if ('serviceWorker' in navigator && location.protocol !== 'file:') navigator.serviceWorker.register('hors-ligne.js');
demarrerMoteur();
