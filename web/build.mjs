// Builds the site into the folder given (build/web by default): the page, its script and
// styles bundled by esbuild, the core's orbelan.js and orbelan.wasm from the wasm preset, the
// web app manifest with its icons drawn from the program's own icon, and the service worker
// that keeps every one of these files for use offline, under a cache named by their hash.
// The window's help pages go in help/. Usage: node build.mjs CORE_DIR [OUT_DIR]
import { build } from 'esbuild';
import { spawnSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readdirSync, readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const [coreDir, outDir = join(here, '..', 'build', 'web')] = process.argv.slice(2);
if (!coreDir) {
    console.error('usage: node build.mjs CORE_DIR [OUT_DIR]');
    process.exit(2);
}
// esbuild only strips the types; the compiler checks them first.
const require = createRequire(import.meta.url);
const check = spawnSync(process.execPath, [require.resolve('typescript/bin/tsc'), '-p', join(here, 'tsconfig.json')], {
    stdio: 'inherit',
});
if (check.status !== 0) process.exit(1);
mkdirSync(outDir, { recursive: true });
// Every script of the site is bundled alike, for the browsers the page supports.
const bundled = { bundle: true, minify: true, format: 'iife', target: 'es2020', outdir: outDir, logLevel: 'warning' };
await build({
    entryPoints: [
        { in: join(here, 'src', 'main.ts'), out: 'page' },
        { in: join(here, 'src', 'riskWorker.ts'), out: 'riskWorker' },
        { in: join(here, 'src', 'coreWorker.ts'), out: 'coreWorker' },
        { in: join(here, 'src', 'page.css'), out: 'page' },
    ],
    ...bundled,
});
copyFileSync(join(here, 'src', 'index.html'), join(outDir, 'index.html'));
const icon = join(here, '..', 'src', 'app', 'icons', 'orbelan.svg');
copyFileSync(icon, join(outDir, 'orbelan.svg'));
// The sizes an installed program's icon needs, drawn as the desktop's PNG icons are.
for (const size of [192, 512]) {
    const drawn = spawnSync('rsvg-convert', [`--width=${size}`, `--height=${size}`, `--output=${join(outDir, `icon-${size}.png`)}`, icon], {
        stdio: 'inherit',
    });
    if (drawn.status !== 0) {
        console.error(`build.mjs: rsvg-convert could not draw the ${size} px icon (Debian's librsvg2-bin)`);
        process.exit(1);
    }
}
copyFileSync(join(here, 'src', 'manifest.webmanifest'), join(outDir, 'manifest.webmanifest'));
// The window's help, file for file, which the page shows as the window does.
const help = join(here, '..', 'src', 'app', 'help');
mkdirSync(join(outDir, 'help'), { recursive: true });
const helpFiles = readdirSync(help).filter((name) => /\.(html|css)$/.test(name));
for (const file of helpFiles) copyFileSync(join(help, file), join(outDir, 'help', file));
// The example that "Try the example" opens.
copyFileSync(join(here, '..', 'examples', 'household.Orbe'), join(outDir, 'household.Orbe'));
for (const file of ['orbelan.js', 'orbelan.wasm']) copyFileSync(join(resolve(coreDir), file), join(outDir, file));

// Every file of the site, the page's folder first as the browser asks for it; the service
// worker's cache is named by their bytes, so that each build replaces the files of the last.
const siteFiles = ['index.html', 'page.js', 'page.css', 'coreWorker.js', 'riskWorker.js', 'orbelan.js', 'orbelan.wasm',
    'orbelan.svg', 'icon-192.png', 'icon-512.png', 'manifest.webmanifest', 'household.Orbe', ...helpFiles.map((file) => `help/${file}`)];
const hash = createHash('sha256');
for (const file of siteFiles) hash.update(`${file}\0`).update(readFileSync(join(outDir, file)));
await build({
    entryPoints: [{ in: join(here, 'src', 'serviceWorker.ts'), out: 'sw' }],
    ...bundled,
    define: {
        kSiteFiles: JSON.stringify(['./', ...siteFiles]),
        kCacheName: JSON.stringify(`orbelan-site-${hash.digest('hex').slice(0, 16)}`),
    },
});
