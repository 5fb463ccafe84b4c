// The engine's thread: loads tavilo.wasm and the dictionary, then runs each search the page
// sends, so that a long search never freezes the page (and Stop can end it by ending the worker).
'use strict';

// The data files, fetched while the engine compiles. A file that cannot be had is left out: the
// engine's loading then says which one is missing, as the program does (aj.tav may be missing).
const donnees = fetch('donnees/liste.txt')
  .then((r) => r.text())
  .then((liste) =>
    Promise.all(
      liste.split('\n').filter(Boolean).map((nom) =>
        fetch(`donnees/${nom}`)
          .then((r) => (r.ok ? r.arrayBuffer() : null))
          .then((contenu) => [nom, contenu && new Uint8Array(contenu)], () => [nom, null]),
      ),
    ),
  );

var Module = {
  surFlux: (texte) => postMessage({ type: 'flux', texte }),
  onRuntimeInitialized: () => {
    donnees.then(charger, () => charger([]));
  },
};
importScripts('tavilo.js');

const texte = (fonction) => Module.UTF8ToString(Module.ccall(fonction, 'number', [], []));

function charger(fichiers) {
  Module.FS.mkdir('/donnees');
  for (const [nom, contenu] of fichiers) if (contenu) Module.FS.writeFile(`/donnees/${nom}`, contenu);
  const code = Module.ccall('tavilo_charger', 'number', [], []);
  const commandes = texte('tavilo_commandes')
    .split('\x1e')
    .map((c) => {
      const [nom, usage, resume, aide] = c.split('\x1f');
      return { nom, usage, resume, aide };
    });
  postMessage({ type: 'charge', code, messages: texte('tavilo_messages'), commandes, dureeMoteur: Module.ccall('tavilo_duree', 'number', [], []) });
}

onmessage = (e) => {
  if (e.data.chauffe) {
    const debut = performance.now();
    for (const args of e.data.chauffe) Module.ccall('tavilo_executer', 'number', ['string', 'number'], [args.join('\x1f'), 0]);
    postMessage({ type: 'pret', duree: performance.now() - debut });
    return;
  }
  const { args, flux } = e.data;
  const code = Module.ccall('tavilo_executer', 'number', ['string', 'number'], [args.join('\x1f'), flux ? 1 : 0]);
  postMessage({
    type: 'resultat',
    code,
    html: texte('tavilo_html'),
    texte: texte('tavilo_texte'),
    messages: texte('tavilo_messages'),
    dureeMoteur: Module.ccall('tavilo_duree', 'number', [], []),
  });
};
