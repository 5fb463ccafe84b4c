// The engine's thread: loads tavilo.wasm and the dictionary, then runs each search the page
// sends, so that a long search never freezes the page (and Stop can end it by ending the worker).
'use strict';

// The data files, fetched while the engine compiles.
const donnees = fetch('donnees/liste.txt')
  .then((r) => r.text())
  .then((liste) =>
    Promise.all(
      liste.split('\n').filter(Boolean).map((nom) =>
        fetch(`donnees/${nom}`).then((r) => {
          if (!r.ok) throw new Error(`Impossible de lire le fichier « ${nom} » (${r.status}).`);
          return r.arrayBuffer().then((contenu) => [nom, new Uint8Array(contenu)]);
        }),
      ),
    ),
  );

var Module = {
  surFlux: (texte) => postMessage({ type: 'flux', texte }),
  onRuntimeInitialized: () => {
    donnees.then(charger, (e) => postMessage({ type: 'pret', code: 3, messages: e.message }));
  },
};
importScripts('tavilo.js');

const texte = (fonction) => Module.UTF8ToString(Module.ccall(fonction, 'number', [], []));

function charger(fichiers) {
  Module.FS.mkdir('/donnees');
  for (const [nom, contenu] of fichiers) Module.FS.writeFile(`/donnees/${nom}`, contenu);
  const code = Module.ccall('tavilo_charger', 'number', [], []);
  const commandes = texte('tavilo_commandes')
    .split('\x1e')
    .map((c) => {
      const [nom, usage, resume, aide] = c.split('\x1f');
      return { nom, usage, resume, aide };
    });
  postMessage({ type: 'pret', code, messages: texte('tavilo_messages'), commandes, dureeMoteur: Module.ccall('tavilo_duree', 'number', [], []) });
}

onmessage = (e) => {
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
