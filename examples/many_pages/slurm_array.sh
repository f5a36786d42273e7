#!/bin/bash
# A Slurm array job: one task per line of list.txt, each running job.pas on that address.
# Submit from this folder, at most 8 tasks at once:
#
#   mkdir -p logs && sbatch --array=1-$(wc -l < list.txt)%8 slurm_array.sh
#
# Batch mode needs no display, so the tasks run on any compute node that has zendrik.
#SBATCH --job-name=zendrik-pages
#SBATCH --output=logs/%A_%a.out
#SBATCH --error=logs/%A_%a.err
#SBATCH --cpus-per-task=1
#SBATCH --mem=1G
#SBATCH --time=00:10:00
set -euo pipefail
address=$(sed -n "${SLURM_ARRAY_TASK_ID:?run this under sbatch --array}p" list.txt)
exec zendrik job.pas "$address"
