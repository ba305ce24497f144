// Builds the site into the folder given (build/web by default): the page, its script and
// styles bundled by esbuild, the core's orbelan.js and orbelan.wasm from the wasm preset.
// The window's help pages go in help/. Usage: node build.mjs CORE_DIR [OUT_DIR]
import { build } from 'esbuild';
import { spawnSync } from 'node:child_process';
import { copyFileSync, mkdirSync, readdirSync } from 'node:fs';
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
await build({
    entryPoints: [
        { in: join(here, 'src', 'main.ts'), out: 'page' },
        { in: join(here, 'src', 'riskWorker.ts'), out: 'riskWorker' },
        { in: join(here, 'src', 'coreWorker.ts'), out: 'coreWorker' },
        { in: join(here, 'src', 'page.css'), out: 'page' },
    ],
    bundle: true,
    minify: true,
    format: 'iife',
    target: 'es2020',
    outdir: outDir,
    logLevel: 'warning',
});
copyFileSync(join(here, 'src', 'index.html'), join(outDir, 'index.html'));
copyFileSync(join(here, '..', 'src', 'app', 'icons', 'orbelan.svg'), join(outDir, 'orbelan.svg'));
// The window's help, file for file, which the page shows as the window does.
const help = join(here, '..', 'src', 'app', 'help');
mkdirSync(join(outDir, 'help'), { recursive: true });
for (const file of readdirSync(help).filter((name) => /\.(html|css)$/.test(name))) copyFileSync(join(help, file), join(outDir, 'help', file));
// The example that "Try the example" opens.
copyFileSync(join(here, '..', 'examples', 'household.Orbe'), join(outDir, 'household.Orbe'));
for (const file of ['orbelan.js', 'orbelan.wasm']) copyFileSync(join(resolve(coreDir), file), join(outDir, file));
