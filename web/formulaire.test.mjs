// The forms against the commands they are built from (tavilo-cli's own usage and help): every
// option the page offers has its help text as caption, each choice's default is the command's
// default, and a form's values go through the address and back to the same arguments.
//   TAVILO_CLI=build/cli/tavilo-cli TAVILO_DATA=data node --test web/
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { OUTILS, OPTIONS_ECARTEES, LIBELLES } from './outils.js';
import { decrireCommande, arguments_, versAdresse, depuisAdresse } from './formulaire.js';

const cli = process.env.TAVILO_CLI ?? 'build/cli/tavilo-cli';
const donnees = process.env.TAVILO_DATA ?? 'data';
const lancer = (args) => spawnSync(cli, ['--data', donnees, ...args], { encoding: 'utf8', maxBuffer: 1 << 28 });

// The command as the engine's table gives it to the page, read from its --help.
function commande(nom) {
  const aide = lancer([nom, '--help']).stdout;
  const [premiere, , resume, , ...reste] = aide.split('\n');
  return { usage: premiere.slice(`Usage : tavilo-cli ${nom} `.length), resume, aide: reste.join('\n') };
}

for (const outil of OUTILS) {
  const c = commande(outil.outil);
  const description = decrireCommande(outil, c);
  const exemple = description.entree.valeurs?.[0] ?? outil.exemple;

  test(`${outil.outil} : chaque option de l'usage a un contrôle et son aide`, () => {
    const attendues = [...c.usage.matchAll(/--([\w-]+)/g)].map((m) => m[1]).filter((n) => !OPTIONS_ECARTEES.has(n));
    assert.deepEqual(description.options.map((o) => o.nom), attendues);
    for (const o of description.options) {
      assert.ok(LIBELLES[o.nom], `--${o.nom} n'a pas de libellé en français`);
      // The caption is the help's sentence, not the option's placeholder nor empty.
      assert.ok(o.aide !== '' && !/^("|[A-Z][A-Z-]*\s)/.test(o.aide), `--${o.nom} : « ${o.aide} »`);
      const plat = (texte) => texte.replace(/\s+/g, ' ');
      assert.ok(plat(c.aide).includes(plat(o.aide)), `--${o.nom} : l'aide n'est pas celle de la commande`);
    }
  });

  test(`${outil.outil} : la valeur par défaut d'un choix est celle de la commande`, () => {
    const sansOption = lancer([outil.outil, exemple]);
    for (const o of description.options.filter((x) => x.genre === 'choix' && x.defaut !== '')) {
      const avecDefaut = lancer([outil.outil, exemple, `--${o.nom}`, o.defaut]);
      assert.equal(avecDefaut.status, sansOption.status, `--${o.nom} ${o.defaut}`);
      assert.equal(avecDefaut.stdout.replace(/Temps : .*?sec\.?/g, ''), sansOption.stdout.replace(/Temps : .*?sec\.?/g, ''),
        `--${o.nom} ${o.defaut} ne donne pas le résultat sans l'option`);
    }
  });

  test(`${outil.outil} : les valeurs passent par l'adresse et reviennent`, () => {
    // Every flag on, every choice on its last value, every text field filled.
    const valeurs = { entree: 'été à l’ouest & ?' };
    for (const o of description.options) {
      valeurs[o.nom] = o.genre === 'case' ? true : o.genre === 'choix' ? o.valeurs.at(-1) : '2-3';
    }
    const adresse = versAdresse(outil, description, valeurs);
    assert.deepEqual(arguments_(outil, description, depuisAdresse(description, adresse)), arguments_(outil, description, valeurs));
    assert.equal(new URLSearchParams(adresse).get('outil'), outil.outil);
  });
}

test("une case décochée dans l'adresse (0 ou non) reste décochée", () => {
  const outil = OUTILS.find((o) => o.outil === 'rimes');
  const description = decrireCommande(outil, commande('rimes'));
  assert.deepEqual(arguments_(outil, description, depuisAdresse(description, '?outil=rimes&entree=age&graphie=0&interieur=non&debut')),
    ['rimes', 'age', '--debut']);
});
